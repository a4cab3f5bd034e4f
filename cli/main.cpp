// orv5: the command-line companion of the analyser.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"

int main(int argc, char** argv) {
  CLI::App app{"Orv5 Save Analyser: decode Orv5 save files from the command line"};
  app.require_subcommand(1);

  std::vector<std::string> infoFiles;
  auto* info = app.add_subcommand("info", "One line of container facts per save file");
  info->add_option("files", infoFiles, "Save files")->required();

  std::vector<std::string> jsonFiles;
  auto* json = app.add_subcommand("json", "The whole analysis of each save as JSON");
  json->add_option("files", jsonFiles, "Save files")->required();

  auto* tables = app.add_subcommand("tables", "Every built-in reference table as JSON");

  CLI11_PARSE(app, argc, argv);
  if (info->parsed()) return orv5::RunInfoCommand(infoFiles, std::cout, std::cerr);
  if (json->parsed()) return orv5::RunJsonCommand(jsonFiles, std::cout, std::cerr);
  if (tables->parsed()) return orv5::RunTablesCommand(std::cout);
  return 0;
}
