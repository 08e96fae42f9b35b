#pragma once

#include <memory>

#include "document/kv_icon.h"
#include "formats/animated_cursor.h"

namespace pixmint::editor {

// An animated cursor in the editor: the document holds one image per frame
// (the frame's first image, with its hot spot), which is what the image list
// shows and the tools edit; the animation keeps the steps, the titles and
// each frame's other images. The two are kept in step by the functions below.

// Fills an empty document with the first image of every frame.
[[nodiscard]] bool ShowFrames(const formats::AnimatedCursor& animation, document::TKvIcon& document);

// The animation to write: frame k is the document's image k followed by the
// frame's other images as they were read.
[[nodiscard]] std::unique_ptr<formats::AnimatedCursor> ComposeAnimation(const document::TKvIcon& document,
                                                                        const formats::AnimatedCursor& animation);

// A cursor document turned into an animation: each image a frame, shown in
// order for jiffies each.
[[nodiscard]] std::unique_ptr<formats::AnimatedCursor> FramesOf(const document::TKvIcon& document,
                                                                std::uint32_t jiffies);

// The image commands' changes, mirrored into the animation (image k of the
// document is frame k). Each answers false when the animation could not follow.
[[nodiscard]] bool FrameAppended(formats::AnimatedCursor& animation, const document::TKvIcon& document);
[[nodiscard]] bool FrameDeleted(formats::AnimatedCursor& animation, std::size_t at);
// The document appended a copy of image at (as its last image).
[[nodiscard]] bool FrameDuplicated(formats::AnimatedCursor& animation, std::size_t at);
[[nodiscard]] bool FramesExchanged(formats::AnimatedCursor& animation, std::size_t i, std::size_t j);

}  // namespace pixmint::editor
