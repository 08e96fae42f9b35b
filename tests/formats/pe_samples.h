#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "document/byte_io.h"
#include "document/file_io.h"
#include "document/kv_icon.h"
#include "formats/program_file.h"
#include "support/pixel_grid.h"

namespace pixmint::test {

// The program files the build made with MinGW (see CMakeLists.txt).
inline const std::vector<std::string> kProgramSamples = {"res32.dll", "res64.dll", "app32.exe", "app64.exe"};

inline std::filesystem::path SamplePath(const std::string& name) {
  return std::filesystem::path(PIXMINT_PE_SAMPLES) / name;
}

inline std::vector<std::uint8_t> SampleBytes(const std::string& name) {
  return document::ReadWholeFile(SamplePath(name)).value_or(std::vector<std::uint8_t>{});
}

// Skips the calling test when the build had no MinGW tools.
#define PIXMINT_NEED_SAMPLES()                                                    \
  if (!std::filesystem::exists(::pixmint::test::SamplePath("res64.dll"))) {       \
    GTEST_SKIP() << "no program files (MinGW cross tools missing at build time)"; \
  }

inline std::optional<formats::ProgramFile> ReadProgram(std::vector<std::uint8_t> bytes) {
  auto program = formats::ProgramFile::Read(std::move(bytes));
  if (program) return *std::move(program);
  ADD_FAILURE() << texts::EnglishMessage(program.error());
  return std::nullopt;
}

inline const formats::IconGroup* FindGroup(const formats::ProgramFile& program, formats::GroupKind kind,
                                           const std::string& label, std::uint16_t language) {
  for (const auto& g : program.Groups())
    if (g.kind == kind && formats::GroupLabel(g) == label && g.language == language) return &g;
  return nullptr;
}

// What wrestool extracts for one group, or nothing when it is not installed.
inline std::optional<std::vector<std::uint8_t>> Wrestool(const std::filesystem::path& program, formats::GroupKind kind,
                                                         const std::string& label, std::uint16_t language,
                                                         const TempDir& dir) {
  if (std::system("command -v wrestool >/dev/null") != 0) return std::nullopt;
  const auto out = dir / "wrestool.out";
  const std::string cmd = "wrestool -x --type=" + std::string(kind == formats::GroupKind::kIcon ? "14" : "12") +
                          " --name=" + label + " --language=" + std::to_string(language) + " -o '" + out.string() +
                          "' '" + program.string() + "' 2>/dev/null";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
  return document::ReadWholeFile(out).value_or(std::vector<std::uint8_t>{});
}

// Entries alike in their first eight bytes (size, colours, planes or hot
// spot, depth) and each block alike byte for byte. wrestool counts a cursor
// image's hot spot in the entry's size and pads its file, so sizes and the
// file length are not compared.
inline ::testing::AssertionResult SameImages(std::span<const std::uint8_t> ours, std::span<const std::uint8_t> theirs) {
  if (theirs.size() < 6 || document::GetU16(ours, 4) != document::GetU16(theirs, 4) ||
      document::GetU16(ours, 2) != document::GetU16(theirs, 2)) {
    return ::testing::AssertionFailure() << "headers differ";
  }
  for (std::size_t i = 0; i < document::GetU16(ours, 4); ++i) {
    const std::size_t e = 6 + 16 * i;
    if (!std::equal(ours.begin() + e, ours.begin() + e + 8, theirs.begin() + e))
      return ::testing::AssertionFailure() << "entry " << i << " differs";
    const std::size_t size = document::GetU32(ours, e + 8), at = document::GetU32(ours, e + 12),
                      theirAt = document::GetU32(theirs, e + 12);
    if (theirAt + size > theirs.size() ||
        !std::equal(ours.begin() + at, ours.begin() + at + size, theirs.begin() + theirAt)) {
      return ::testing::AssertionFailure() << "block " << i << " differs";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace pixmint::test
