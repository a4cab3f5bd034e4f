// orv5: the command-line companion of the analyser.
#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/CsvCommand.h"
#include "cli/ReportCommand.h"
#include "cli/SeriesCommands.h"
#include "cli/WriteCommands.h"
#include "views/CsvTables.h"

namespace {

constexpr int UsageErrorStatus = 2;

std::vector<std::string> CsvTableNames() {
  std::vector<std::string> names;
  for (const orv5::CsvTable& table : orv5::CsvTables()) names.emplace_back(table.Name);
  return names;
}

// --table and the saves are needed unless --list asks only for the tables' names.
CLI::App* AddCsvCommand(CLI::App& app, orv5::CsvOptions& options) {
  auto* csv = app.add_subcommand("csv", "One table of every save as CSV (players, cities, history, ...)");
  csv->add_option("files", options.Files, "Save files, or folders of saves");
  csv->add_option("--table", options.Table, "The table to print; --list names them")
      ->check(CLI::IsMember(CsvTableNames()));
  csv->add_option("-o,--out", options.Out, "File to write instead of the standard output");
  csv->add_flag("--list", options.List, "Name the tables and their columns");
  csv->callback([&options] {
    if (options.List) return;
    if (options.Table.empty()) throw CLI::RequiredError("--table");
    if (options.Files.empty()) throw CLI::RequiredError("files");
  });
  return csv;
}

void AddWriteOptions(CLI::App& command, orv5::WriteRequest& request) {
  command.add_option("save", request.Save, "Save file to read")->required();
  command.add_option("-o,--out", request.Out, "File to write")->required();
  command.add_flag("--force", request.Force, "Allow writing over the save that is read");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Orv5 Save Analyser: decode Orv5 save files from the command line"};
  app.require_subcommand(1);

  std::vector<std::string> infoFiles;
  auto* info = app.add_subcommand("info", "One line of container facts per save file");
  info->add_option("files", infoFiles, "Save files, or folders of saves")->required();

  std::vector<std::string> jsonFiles;
  auto* json = app.add_subcommand("json", "The whole analysis of each save as JSON");
  json->add_option("files", jsonFiles, "Save files, or folders of saves")->required();

  orv5::CsvOptions csvOptions;
  auto* csv = AddCsvCommand(app, csvOptions);

  auto* tables = app.add_subcommand("tables", "Every built-in reference table as JSON");

  orv5::ReportOptions reportOptions;
  auto* report = app.add_subcommand("report", "What every tab of the window shows, one control value per line");
  report->add_option("files", reportOptions.Files, "Save files, or folders of saves")->required();
  // Each --tab takes one name, so that the save files after it stay files.
  report->add_option("--tab", reportOptions.Tabs, "Only this tab sheet (BaseTab, LeadersTab, ...); repeatable")
      ->allow_extra_args(false);
  report->add_option("--player", reportOptions.Player, "Player row shown by the player views, or all")
      ->default_val("all");
  report->add_option("--lang", reportOptions.Language, "Language of the Stats tab, en or ru (default: both)")
      ->check(CLI::IsMember({"en", "ru"}));
  report->add_flag("--json", reportOptions.Json, "The same content as one JSON document");

  std::vector<std::string> reloadsFiles;
  auto* reloads = app.add_subcommand("reloads", "One line of reload figures (the Reloads tab) per save");
  reloads->add_option("files", reloadsFiles, "Save files, or folders of saves")->required();

  orv5::SeriesOptions checkOptions;
  auto* check = app.add_subcommand("check", "Group saves into games and lines of play, and report what disagrees");
  check->add_option("saves", checkOptions.Files, "Save files, or folders of saves")->required();
  check->add_flag("--json", checkOptions.Json, "The games and findings as one JSON document");

  orv5::SeriesOptions diffOptions;
  auto* diff = app.add_subcommand("diff", "What happened between two saves of one game");
  diff->add_option("saves", diffOptions.Files, "EARLIER and LATER")->required()->expected(2);
  diff->add_flag("--json", diffOptions.Json, "The changes as one JSON document");

  orv5::WriteRequest cureRequest;
  auto* cure = app.add_subcommand("cure", "Write SAVE without its runaway reload records, re-deflated");
  AddWriteOptions(*cure, cureRequest);

  orv5::WriteRequest imageRequest;
  auto* image = app.add_subcommand("image", "Write the decoded analysis image of SAVE");
  AddWriteOptions(*image, imageRequest);

  orv5::WriteRequest singleRequest;
  int32_t singlePlayer = 0;
  auto* single = app.add_subcommand("single", "Write SAVE as a single-player game with one human player");
  AddWriteOptions(*single, singleRequest);
  single->add_option("--player", singlePlayer, "Slot of the player who stays human")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // --help and --version end with success; every other parse failure is a usage error.
    return app.exit(error) == 0 ? 0 : UsageErrorStatus;
  }
  if (info->parsed()) return orv5::RunInfoCommand(infoFiles, std::cout, std::cerr);
  if (json->parsed()) return orv5::RunJsonCommand(jsonFiles, std::cout, std::cerr);
  if (csv->parsed()) return orv5::RunCsvCommand(csvOptions, std::cout, std::cerr);
  if (tables->parsed()) return orv5::RunTablesCommand(std::cout);
  if (report->parsed()) return orv5::RunReportCommand(reportOptions, std::cout, std::cerr);
  if (reloads->parsed()) return orv5::RunReloadsCommand(reloadsFiles, std::cout, std::cerr);
  if (check->parsed()) return orv5::RunCheckCommand(checkOptions, std::cout, std::cerr);
  if (diff->parsed()) return orv5::RunDiffCommand(diffOptions, std::cout, std::cerr);
  if (cure->parsed()) return orv5::RunCureCommand(cureRequest, std::cout, std::cerr);
  if (image->parsed()) return orv5::RunImageCommand(imageRequest, std::cout, std::cerr);
  if (single->parsed()) return orv5::RunSingleCommand(singleRequest, singlePlayer, std::cout, std::cerr);
  return 0;
}
