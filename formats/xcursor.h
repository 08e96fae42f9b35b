#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/ico_reader.h"
#include "formats/animated_cursor.h"
#include "formats/xcursor_codec.h"

namespace pixmint::formats {

// Delays are milliseconds in Xcursor files and jiffies in documents; a
// delay that is no whole number of jiffies is read as the nearest one (at
// least 1).
[[nodiscard]] std::uint32_t JiffiesToMs(std::uint32_t jiffies);
[[nodiscard]] std::uint32_t MsToJiffies(std::uint32_t ms);

// The Xcursor images of a cursor: every image size that all frames have is
// a nominal size (the larger side), in increasing order, and each nominal
// size holds one image per step, delayed by the step's time. Where a frame
// has several images of one size, the deepest is taken. notes receives one
// note for every image or size left out and for every image whose
// screen-inverting pixels were drawn another way (see ToPremultipliedArgb).
// A failure when the cursor is not writable or the frames share no size.
[[nodiscard]] texts::Result<std::vector<XcursorImage>> XcursorImagesOf(const AnimatedCursor& cursor,
                                                                       std::vector<texts::Failure>& notes);
// A static cursor or icon: its images with delay 0.
[[nodiscard]] texts::Result<std::vector<XcursorImage>> XcursorImagesOf(const document::TKvIcon& icon,
                                                                       std::vector<texts::Failure>& notes);

// The file of XcursorImagesOf, written through a temporary file that
// replaces fileName only when complete.
[[nodiscard]] texts::Result<void> WriteXcursorFile(std::span<const XcursorImage> images, const std::string& fileName);

// An Xcursor file as a cursor document: each nominal size becomes an image
// of every frame, the n-th image of each size belongs to frame n, and the
// delays of the first size become the steps' times. Sizes with another
// image count than the largest are left out with a note, and so are sizes
// beyond the 32 images a frame holds. All or nothing; name is unused (the
// readers of every kind take one).
[[nodiscard]] texts::Result<AnimatedCursor> ReadXcursorMemory(std::span<const std::uint8_t> bytes,
                                                              const std::string& name,
                                                              std::vector<texts::Failure>* notes = nullptr);
[[nodiscard]] texts::Result<AnimatedCursor> ReadXcursorFile(const std::string& fileName,
                                                            std::vector<texts::Failure>* notes = nullptr);

}  // namespace pixmint::formats
