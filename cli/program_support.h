#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/kv_icon.h"
#include "formats/program_file.h"

namespace pixmint::cli {

// Reads a program file; on failure error holds one line for the user.
[[nodiscard]] std::optional<formats::ProgramFile> LoadProgram(const std::string& path, std::string& error);

// The group's file read back as a document (an icon or a cursor as the
// group says), or why it cannot be. bytes receives the file. budget, when
// given, is shared by the groups of one program.
[[nodiscard]] texts::Result<void> ReadGroup(const formats::ProgramFile& program, const formats::IconGroup& group,
                                            document::TKvIcon& icon, std::vector<std::uint8_t>& bytes,
                                            document::ReadBudget* budget = nullptr);

// The lines "i: WxH Nbpp png|bmp hotspot X,Y" of info, each after indent.
void PrintImages(std::ostream& out, const document::TKvIcon& icon, std::string_view indent);

// "icon group 1, language 1033"; a long name cut, control characters escaped.
[[nodiscard]] std::string GroupTitle(const formats::IconGroup& group);

// The info and extract commands for program files.
int InfoProgram(const std::string& path);
int ExtractProgram(const std::string& path, const std::string& outDir);

}  // namespace pixmint::cli
