// The derived values against the game's own records: for each save and in total, how many
// living major players agree with what the game recorded at the end of the last completed turn,
// value by value, and every disagreement with both numbers.
#include "bench/RecordAgreement.h"

#include <cstdio>
#include <filesystem>
#include <variant>

#include "analysis/GameRecords.h"
#include "analysis/Save5Analyse.h"
#include "savefile/Container.h"

namespace orv5 {

namespace {

void PrintHeader() {
  std::printf("%-34s", "agreement with the records");
  for (RecordedValue value : AllRecordedValues) std::printf(" %15.15s", std::string(RecordedValueName(value)).c_str());
  std::printf("\n");
}

void PrintCounts(const std::string& label, const AgreementTable& table) {
  std::printf("%-34s", label.c_str());
  for (const ValueAgreement& agreement : table) {
    if (agreement.Compared == 0) {
      std::printf(" %15s", "-");
    } else {
      std::printf(" %8d/%-6d", agreement.Agree, agreement.Compared);
    }
  }
  std::printf("\n");
}

std::string RowName(const SaveAnalysis& save, int32_t row) {
  return save.Leaders[static_cast<size_t>(row)].LeaderName + (save.Leaders[static_cast<size_t>(row)].Status == 1 ? " (AI)" : "");
}

void PrintDetails(const std::string& name, const SaveAnalysis& save, const RecordComparison& comparison) {
  for (int32_t row : comparison.Skipped) {
    std::printf("  %s: %s skipped, a city changed hands at turn %d or later\n", name.c_str(), RowName(save, row).c_str(),
                comparison.Turn);
  }
  for (const RecordMismatch& miss : comparison.Mismatches) {
    std::printf("  %s: %s %s ours %d, the game's %d (turn %d)\n", name.c_str(), RowName(save, miss.Row).c_str(),
                std::string(RecordedValueName(miss.Value)).c_str(), miss.Ours, miss.Game, comparison.Turn);
  }
}

}  // namespace

int PrintRecordAgreement(const std::vector<std::string>& files) {
  PrintHeader();
  AgreementTable total{};
  std::string details;
  int status = 0;
  for (const std::string& path : files) {
    const std::string name = std::filesystem::path(path).filename().string();
    auto loaded = LoadSave(path);
    const auto* container = std::get_if<SaveContainer>(&loaded);
    if (!container) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), std::get<LoadError>(loaded).Message.c_str());
      status = 1;
      continue;
    }
    const SaveAnalysis save = Save5Analyse(*container);
    const RecordComparison comparison = CompareWithRecords(save);
    PrintCounts(name, comparison.Values);
    AddAgreement(comparison.Values, total);
  }
  PrintCounts("all saves", total);
  for (const std::string& path : files) {
    auto loaded = LoadSave(path);
    const auto* container = std::get_if<SaveContainer>(&loaded);
    if (!container) continue;
    const SaveAnalysis save = Save5Analyse(*container);
    PrintDetails(std::filesystem::path(path).filename().string(), save, CompareWithRecords(save));
  }
  return status;
}

}  // namespace orv5
