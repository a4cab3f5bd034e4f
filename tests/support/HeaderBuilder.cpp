#include "tests/support/HeaderBuilder.h"

#include <stdexcept>
#include <variant>

#include "analysis/Save5Analyse.h"
#include "savefile/Container.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace orv5::testing {

namespace {

// The first 16 city-states of the base game, in the order of its city-state numbers.
const char* const kCityStates[] = {"Warsaw",    "Edinburgh", "Dublin",   "Geneva",  "Venice",    "Genoa",
                                   "Florence",  "Ragusa",    "Sidney",   "Quebec",  "Stockholm", "Helsinki",
                                   "Bucharest", "Budapest",  "Belgrade", "Vienna"};

struct Nation {
  int32_t Civ;
  int32_t Leader;
  const char* CivKey;
  const char* LeaderKey;
};

// Nations of the first eight slots; 20 and 21 are the Spain and Inca package's numbers.
const Nation kNations[] = {
    {6, 12, "CIVILIZATION_FRANCE", "LEADER_NAPOLEON"},   {21, 19, "CIVILIZATION_SPAIN", "LEADER_ISABELLA"},
    {5, 7, "CIVILIZATION_ENGLAND", "LEADER_ELIZABETH"},  {20, 20, "CIVILIZATION_INCA", "LEADER_PACHACUTI"},
    {2, 11, "CIVILIZATION_AZTEC", "LEADER_MONTEZUMA"},   {10, 10, "CIVILIZATION_IROQUOIS", "LEADER_HIAWATHA"},
    {9, 8, "CIVILIZATION_INDIA", "LEADER_GANDHI"},        {3, 18, "CIVILIZATION_CHINA", "LEADER_WU_ZETIAN"},
};

std::string KeyOf(const char* prefix, const std::string& name) {
  std::string key = prefix;
  for (char ch : name) key += ch == ' ' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return key;
}

// The game writes field 38 from build 395,070 on; builds of another series are recognised by
// their version text, 1.0.3.142 being the first version of those builds.
bool WritesField38(const HeaderFields& fields) {
  if (fields.Field38) return *fields.Field38;
  if (fields.SaveVersion <= 5) return false;
  int v[4] = {0, 0, 0, 0};
  const bool hasVersion = std::sscanf(fields.VersionText.c_str(), "%d.%d.%d.%d", &v[0], &v[1], &v[2], &v[3]) == 4;
  const bool newVersion = hasVersion && std::make_tuple(v[0], v[1], v[2], v[3]) >= std::make_tuple(1, 0, 3, 142);
  return std::atol(fields.BuildText.c_str()) > 395069 || newVersion;
}

bool NameTables(const HeaderFields& fields) { return fields.NameTables && fields.SaveVersion > 6; }

template <class T>
std::vector<T> SlotValues(const HeaderFields& fields, T SlotEntry::*field) {
  std::vector<T> values;
  for (const SlotEntry& slot : fields.Slots) values.push_back(slot.*field);
  return values;
}

ByteWriter& TextList(ByteWriter& w, const std::vector<std::string>& texts) {
  w.Int(static_cast<int32_t>(texts.size()));
  for (const std::string& text : texts) w.Str(text);
  return w;
}

ByteWriter& SameInts(ByteWriter& w, int count, int32_t value) {  // count × int32, no count word
  for (int i = 0; i < count; ++i) w.Int(value);
  return w;
}

ByteWriter& SlotInts(ByteWriter& w, int32_t value) { return w.IntList(std::vector<int32_t>(SlotCount, value)); }

ByteWriter& EmptySlotTexts(ByteWriter& w) { return TextList(w, std::vector<std::string>(SlotCount)); }

ByteWriter& ByteList(ByteWriter& w, const std::vector<uint8_t>& bytes) {
  w.Int(static_cast<int32_t>(bytes.size()));
  for (uint8_t b : bytes) w.Byte(b);
  return w;
}

int32_t Here(const ByteWriter& w) { return static_cast<int32_t>(w.Size()); }

// Fields 1 to 12 (after the magic): version, setup keys, packages.
void WriteVersionAndSetup(ByteWriter& w, const HeaderFields& fields, HeaderOffsets& at) {
  w.Int(fields.SaveVersion);                                             // 1: save version
  if (fields.SaveVersion > 5) {                                          // 2: version and build texts
    w.UStr(fields.VersionText, fields.WideVersionTexts || fields.VersionText.size() == 1);
    w.UStr(fields.BuildText, fields.WideVersionTexts || fields.BuildText.size() == 1);
  }
  w.Int(0);                                                            // 3: not used
  at.FlagByte = Here(w);
  w.Byte(1);                                                           // 4: flag byte
  w.Str(fields.CivKey).Str(fields.HandicapKey);                            // 5, 6: nation, difficulty
  w.Str(fields.StartingEraKey).Str(fields.CurrentEraKey);                  // 7, 8: eras
  w.Str(fields.GameSpeedKey).Str(fields.WorldSizeKey).Str(fields.MapScript); // 9, 10, 11
  w.Int(static_cast<int32_t>(fields.Packages.size()));                   // 12: packages
  for (const PackageEntry& package : fields.Packages) {
    w.Int(package.Id).Int(0).Int(0).Int(0);  // id, three values
    TextList(w, package.Names);              // name and further texts
  }
}

// Fields 13 to 17: mods, colours, map details.
void WriteSetupDetails(ByteWriter& w, const HeaderFields& fields) {
  w.Int(1).Str("02453135-2694-47f8").Int(1).Str("A Mod");  // 13: one mod (text, int32, text)
  w.Str("").Str("").Str("PLAYERCOLOR_POLAND");              // 14: three texts
  if (fields.SaveVersion > 7) {                               // 15: map hashes and map version
    SameInts(w, 4, 1234567).Str("1.0.0");
    SameInts(w, 5, 7654321);
  }
  if (fields.SaveVersion > 6) w.Int(3);  // 16
  w.Int(2).Int(3).Str(fields.MapScript); // 17
}

// Fields 18 to 24: the first per-slot lists, the name tables, the active player.
void WriteSlotLists(ByteWriter& w, const HeaderFields& fields, HeaderOffsets& at) {
  at.SlotCivCount = Here(w);
  w.IntList(SlotValues(fields, &SlotEntry::Civ));  // 18: SlotCiv
  std::vector<std::string> names(SlotCount);
  names[0] = "Player 1";
  TextList(w, names);                             // 19: player names
  at.SlotStatus = Here(w);
  w.IntList(SlotValues(fields, &SlotEntry::Status));  // 20: SlotStatus
  SlotInts(w, 2);                                   // 21: two lists
  SlotInts(w, 21);
  if (fields.SaveVersion > 7) w.IntList(SlotValues(fields, &SlotEntry::Handicap));  // 22: difficulty rows
  if (fields.SaveVersion > 6) {                // 23: name tables, or a small count
    if (NameTables(fields)) {
      w.Int(SlotCount);
      for (const SlotEntry& slot : fields.Slots) w.Str(slot.CivKey);  // k civilization keys
      TextList(w, SlotValues(fields, &SlotEntry::LeaderKey));         // leader keys
      w.Int(fields.ClosingValue);                                     // closing value
    } else {
      w.Int(fields.NoNameTableCount);
    }
  }
  at.ActivePlayer = Here(w);
  w.Int(fields.ActivePlayer);  // 24
}

// Fields 25 to 40: game details up to the game type and the build-dependent list.
void WriteGameDetails(ByteWriter& w, const HeaderFields& fields, HeaderOffsets& at) {
  w.Str("").Int(0).Str("Administrator");  // 25
  SlotInts(w, -1);                        // 26
  w.Byte(0);                              // 27: byte, 13 values
  SameInts(w, 13, 0);
  EmptySlotTexts(w);                           // 28: two text lists
  EmptySlotTexts(w);
  if (!NameTables(fields)) w.IntList(SlotValues(fields, &SlotEntry::Civ));  // 29
  EmptySlotTexts(w);                           // 30: two text lists
  EmptySlotTexts(w);
  SameInts(w, 3, 0).Str("Temperate");          // 31: climate
  SameInts(w, 3, 0).Str("CLIMATE_TEMPERATE").Str("TXT_KEY_CLIMATE_TEMPERATE").Str("Temperate");
  SameInts(w, 12, 5);
  SlotInts(w, 0).Int(0);                       // 32
  SlotInts(w, 0);
  ByteList(w, std::vector<uint8_t>(7, 0));     // 33
  w.Int(-1).Str("My Game").Int(2).Bool(true).Int(12);  // 34
  at.GameType = Here(w);
  w.Int(fields.GameType);                        // 35: game type
  if (fields.SaveVersion > 6) w.Bool(false);     // 36
  w.Int(0);                                    // 37
  SlotInts(w, 1);
  if (WritesField38(fields)) SlotInts(w, -1);    // 38: only in newer builds
  w.Short(0);                                  // 39
  if (fields.SaveVersion < 7) w.Byte(0);         // 40
}

// Fields 41 to 46: leaders, the user's name, city-states.
void WriteSlotKinds(ByteWriter& w, const HeaderFields& fields) {
  if (!NameTables(fields)) w.IntList(SlotValues(fields, &SlotEntry::Leader));  // 41: SlotLeader
  EmptySlotTexts(w);                                                      // 42
  w.Str("").Str(fields.UserName);                                           // 43: user name second
  w.Bool(false).Int(54382326).Bool(false).Bool(false).Str(fields.MapScript);  // 44
  SameInts(w, 1, 0).Int(500).Int(16);
  if (NameTables(fields)) {  // 45: city-state keys or numbers
    TextList(w, SlotValues(fields, &SlotEntry::MinorKey));
  } else {
    w.IntList(SlotValues(fields, &SlotEntry::MinorCiv));
  }
  std::vector<uint8_t> isMinor;  // 46: SlotIsMinor
  for (int s = 0; s < fields.IsMinorListLength; ++s) isMinor.push_back(s < SlotCount && fields.Slots[s].IsMinor);
  ByteList(w, isMinor);
}

// Fields 47 to 51: colours and the second status list.
void WriteSlotDetails(ByteWriter& w, const HeaderFields& fields, HeaderOffsets& at) {
  w.Bool(false);                             // 47
  ByteList(w, std::vector<uint8_t>(4, 0));
  SlotInts(w, -1);
  EmptySlotTexts(w);
  w.Int(5).Int(0);
  ByteList(w, std::vector<uint8_t>(SlotCount, 0));
  if ((NameTables(fields) ? fields.ClosingValue : 0) < 3) {  // 48: colour numbers or keys
    SlotInts(w, 44);
  } else {
    TextList(w, std::vector<std::string>(SlotCount, "PLAYERCOLOR_MINOR_WHITE"));
  }
  w.Bool(false).Bool(true).Bool(false).Int(-1).Bool(false).Bool(false).Bool(false);  // 49
  ByteList(w, std::vector<uint8_t>(SlotCount, 0));
  SameInts(w, 3, 1).Str("Medium");           // 50: sea level
  SameInts(w, 3, 0).Str("SEALEVEL_MEDIUM").Str("TXT_KEY_SEALEVEL_MEDIUM").Str("Medium");
  w.Int(0).Bool(false);
  SlotInts(w, 2);
  at.SlotStatus2 = Here(w);
  w.IntList(SlotValues(fields, &SlotEntry::Status));  // 51: second status list
}

// Fields 52 to 55, a stretch the parser passes by searching, and the game options.
void WriteTurnTimerAndOptions(ByteWriter& w, const HeaderFields& fields) {
  w.Str("").Int(54382326);                        // 52
  w.IntList({7, 7, 7}).Str("TIMER SETTINGS").Zeros(21);  // 53: not understood
  w.Str(fields.TurnTimerKey ? "TXT_KEY_TURNTIMER_MEDIUM" : "TXT_KEY_TIMER_MEDIUM");  // 54
  w.Str("Medium");
  w.Int(30).Int(12).Int(4).Int(4).Int(3).Byte(0);
  ByteList(w, {fields.VictoryAllowed.begin(), fields.VictoryAllowed.end()});  // 55: VictoryAllowed
  if (fields.GameOptions.empty()) return;
  w.Zeros(16).Int(static_cast<int32_t>(fields.GameOptions.size()));  // the option count, then
  for (const auto& [name, value] : fields.GameOptions) w.Str(name).Int(value);  // (text, int32) each
}

}  // namespace

HeaderFields MakeHeaderFields(Layout layout, int32_t saveVersion) {
  HeaderFields fields;
  fields.SaveVersion = saveVersion;
  fields.NameTables = saveVersion > 6;
  fields.Packages = {{SpainIncaPackage, {"Spain and Inca"}}, {UpgradePackage, {"Upgrade 1"}}};
  if (layout == Layout::Base) {
    fields.VersionText = "1.0.1.674";
    fields.BuildText = "310700";
  } else if (layout == Layout::Expansion1) {
    fields.VersionText = "1.0.2.13";
    fields.BuildText = "341540";
  }
  if (layout != Layout::Base) fields.Packages.push_back({Expansion1Package, {"Expansion - The First Pack"}});
  if (layout == Layout::QEL) fields.Packages.push_back({QELPackage, {"Expansion - The QEL Content"}});
  for (int s = 0; s < 8; ++s) {
    const Nation& nation = kNations[s];
    fields.Slots[s] = {nation.Civ, s == 0 ? 3 : 1, nation.Leader, -1, false, nation.CivKey, nation.LeaderKey, ""};
  }
  for (int i = 0; i < 16; ++i) {
    fields.Slots[22 + i] = {18, 1, 3, i, true, "CIVILIZATION_MINOR", "LEADER_BARBARIAN", KeyOf("MINOR_CIV_", kCityStates[i])};
  }
  fields.Slots[63] = {19, 1, 3, -1, false, "CIVILIZATION_BARBARIAN", "LEADER_BARBARIAN", ""};
  return fields;
}

BuiltHeader BuildHeader(const HeaderFields& fields) {
  BuiltHeader built;
  ByteWriter w;
  w.Raw("ORV5");  // magic, not checked
  WriteVersionAndSetup(w, fields, built.Offsets);
  WriteSetupDetails(w, fields);
  WriteSlotLists(w, fields, built.Offsets);
  WriteGameDetails(w, fields, built.Offsets);
  WriteSlotKinds(w, fields);
  WriteSlotDetails(w, fields, built.Offsets);
  WriteTurnTimerAndOptions(w, fields);
  w.Zeros(12);  // the header's last bytes before the body
  built.Data = w.Take();
  return built;
}

ByteWriter BuildBodyStart(const BodyStartFields& fields) {
  ByteWriter w;
  w.Zeros(8).Int(fields.ElapsedTurns).Int(fields.StartTurn);  // +8 turns played, +12 starting turn
  w.Int(0).Int(-4000).Int(fields.TurnLimit);                 // +20 starting year (unused), +24 turn limit
  w.Int(0).Int(fields.PlayTime);                             // +32 playing time
  w.Zeros(130 - w.Size());
  int32_t d = 138;
  if (fields.NameTables) {  // +130: a counted text list, then the values below
    w.Int(static_cast<int32_t>(fields.NameTexts.size()));
    for (const std::string& text : fields.NameTexts) w.Str(text);
    d = static_cast<int32_t>(w.Size());
  } else {
    w.Zeros(8);
  }
  w.Int(fields.LevelIndex).Zeros(16).Int(fields.VictoryType).Int(fields.GameOver);  // d, d+20, d+24
  w.Zeros(static_cast<size_t>(d) + 820 - w.Size()).Int(fields.GameScore);       // d+820
  if (w.Size() < BodyStartSize) w.Zeros(BodyStartSize - w.Size());
  return w;
}

Bytes BuildSaveFile(const BuiltHeader& header, const Bytes& body) { return BuildContainer(header.Data, body); }

Bytes SyntheticSave::File() const {
  const BuiltHeader header = BuildHeader(Header);
  if (!WithBody) return header.Data;
  Bytes body = BuildBodyStart(Body).Take();
  body.insert(body.end(), Sections.Data().begin(), Sections.Data().end());
  return BuildSaveFile(header, body);
}

SyntheticSave MakeSave(Layout layout, int32_t saveVersion) {
  SyntheticSave save;
  save.Header = MakeHeaderFields(layout, saveVersion);
  save.Body.NameTables = NameTables(save.Header);
  return save;
}

SaveAnalysis AnalyseFile(const Bytes& file) {
  LoadResult result = LoadSaveFromBytes(file, "synthetic.Orv5Save");
  if (const auto* error = std::get_if<LoadError>(&result)) throw std::runtime_error(error->Message);
  return Save5Analyse(std::get<SaveContainer>(result));
}

StepDiagnostic StepOf(const SaveAnalysis& save, const std::string& step) {
  for (const StepDiagnostic& diagnostic : save.Diagnostics) {
    if (diagnostic.Step == step) return diagnostic;
  }
  return {};
}

}  // namespace orv5::testing
