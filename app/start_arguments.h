#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "texts/language.h"

namespace pixmint {
class Settings;
}

namespace pixmint::app {

// What the editor's command line asks for.
struct StartArguments {
  // The file to open: the first argument that is not an option.
  std::optional<QString> file;
  // --lang en|zh (or --lang=en|zh).
  std::optional<texts::Language> language;
  // --untitled FILE: another instance hands over pictures (a group out of a
  // program) that open untitled; the file is removed once read.
  std::optional<QString> handedOver;
};

// Reads the arguments after the program's name. Everything but --lang is a
// file name, as before the option existed (a file may start with a dash);
// "--" ends the options. Nothing, with a message in error, when --lang lacks
// its word or names a language the program does not have.
[[nodiscard]] std::optional<StartArguments> ParseStartArguments(const QStringList& arguments, QString& error);

// The language to start in: the command line's choice, which the settings
// then remember, else the remembered one ("Language"), else Chinese.
[[nodiscard]] texts::Language StartLanguage(std::optional<texts::Language> chosen, Settings& settings);

}  // namespace pixmint::app
