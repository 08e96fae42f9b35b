#pragma once

// Small files that ask a reader for far more than they hold, as a hostile
// sender would make them. The tests read them; make_hostile_inputs writes
// them at the sizes measured, for the fuzz run's corpus and the benchmarks.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace pixmint::test {

using Bytes = std::vector<std::uint8_t>;

// RIFF pieces for hand-made files: a chunk (padded to even length) and a list.
[[nodiscard]] Bytes Chunk(std::string_view id, const Bytes& data, bool pad = true);
[[nodiscard]] Bytes List(std::string_view type, std::initializer_list<Bytes> chunks);
[[nodiscard]] Bytes Riff(std::string_view form, std::initializer_list<Bytes> chunks);
[[nodiscard]] Bytes U32s(std::initializer_list<std::uint32_t> values);
// An "anih" chunk body: 36 bytes with these counts, rate and flags.
[[nodiscard]] Bytes Anih(std::uint32_t frames, std::uint32_t steps, std::uint32_t jiffies, std::uint32_t flags);
[[nodiscard]] Bytes operator+(Bytes a, const Bytes& b);

// An Xcursor file whose table entries all point at one side x side image.
[[nodiscard]] Bytes XcursorSharedImage(std::size_t entries, int side);
// An Xcursor file with one 1 x 1 image for each of sizes nominal sizes.
[[nodiscard]] Bytes XcursorManySizes(std::size_t sizes);
// A program whose icon group has one 65,535-character name, shared by
// leaves languages.
[[nodiscard]] Bytes ProgramSharedLongName(std::size_t leaves);
// A program of images icon resources (all sharing one block) and a group,
// in groups languages, that lists every one of them.
[[nodiscard]] Bytes ProgramManyMembers(std::size_t images, std::size_t groups);
// A program whose icon group lists one 1024 x 1024 PNG members times.
[[nodiscard]] Bytes ProgramRepeatedPng(std::size_t members);
// A program with an icon group and one resource in leaves languages, all
// sharing one 1 KB block.
[[nodiscard]] Bytes ProgramManyLanguages(std::size_t leaves);
// An animated cursor whose frames each list one 1024 x 1024 PNG 32 times.
[[nodiscard]] Bytes AniRepeatedPng(std::size_t frames);
// An animated cursor of frames frames, each one 1024 x 1024 PNG of its own
// colour: a large document that is small on disk.
[[nodiscard]] Bytes AniLargeFrames(std::size_t frames);
// An .svgz holding a 16 x 16 SVG picture padded to inflated bytes.
[[nodiscard]] Bytes SvgzBomb(std::size_t inflated);
// A JPEG whose header claims side x side pixels and whose data ends early.
[[nodiscard]] Bytes TruncatedJpeg(int side);
// An install.inf whose AddReg names one section mentions times; the section
// has lines registry lines.
[[nodiscard]] std::string InfRepeatedAddReg(std::size_t mentions, std::size_t lines);

}  // namespace pixmint::test
