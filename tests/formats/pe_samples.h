#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "document/file_io.h"
#include "document/kv_icon.h"
#include "formats/program_file.h"

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
#define PIXMINT_NEED_SAMPLES()                                                         \
  if (!std::filesystem::exists(::pixmint::test::SamplePath("res64.dll"))) {           \
    GTEST_SKIP() << "no program files (MinGW cross tools missing at build time)"; \
  }

inline std::optional<formats::ProgramFile> ReadProgram(std::vector<std::uint8_t> bytes) {
  std::string why;
  auto program = formats::ProgramFile::Read(std::move(bytes), why);
  if (!program) ADD_FAILURE() << why;
  return program;
}

inline const formats::IconGroup* FindGroup(const formats::ProgramFile& program, formats::GroupKind kind,
                                           const std::string& label, std::uint16_t language) {
  for (const auto& g : program.Groups()) {
    if (g.kind == kind && formats::GroupLabel(g) == label && g.language == language) return &g;
  }
  return nullptr;
}

// Every image of two documents alike: size, depth, table, colour and mask
// bits, PNG flag and hot spot.
inline ::testing::AssertionResult SameDocument(const document::TKvIcon& a, const document::TKvIcon& b) {
  if (a.ImageCount() != b.ImageCount()) {
    return ::testing::AssertionFailure() << a.ImageCount() << " images against " << b.ImageCount();
  }
  for (std::uint32_t i = 0; i < a.ImageCount(); ++i) {
    const auto *ca = a.XorBitmap(i), *cb = b.XorBitmap(i);
    const auto *ma = a.AndBitmap(i), *mb = b.AndBitmap(i);
    if (ca->Width() != cb->Width() || ca->Height() != cb->Height() || ca->BitCount() != cb->BitCount() ||
        !std::ranges::equal(ca->Bits(), cb->Bits()) || !std::ranges::equal(ca->Table(), cb->Table()) ||
        !std::ranges::equal(ma->Bits(), mb->Bits()) || a.IsPngCompressed(i) != b.IsPngCompressed(i) ||
        a.GetHotSpot(i) != b.GetHotSpot(i)) {
      return ::testing::AssertionFailure() << "image " << i << " differs";
    }
  }
  return ::testing::AssertionSuccess();
}

inline bool LoadIcon(std::span<const std::uint8_t> bytes, document::TKvIcon& icon) {
  return icon.LoadFromMemory(bytes, "group");
}

}  // namespace pixmint::test
