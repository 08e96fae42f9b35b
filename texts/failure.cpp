#include "texts/failure.h"

#include <array>
#include <cassert>

#include "texts/texts.h"

namespace pixmint::texts {
namespace {

// One row per code, in the enum's order.
constexpr std::array<FailureText, static_cast<std::size_t>(Fail::kCount)> kTable{{
    {Fail::kPermissionDenied, QT_TRANSLATE_NOOP("pixmint", "权限不足"), "permission denied", 0},
    {Fail::kSharedFolderLink, QT_TRANSLATE_NOOP("pixmint", "权限不足 (共享文件夹中属于其他用户的符号链接)"),
     "permission denied (a symbolic link in a shared folder that belongs to another user)", 0},
    {Fail::kNoSpace, QT_TRANSLATE_NOOP("pixmint", "空间不足"), "no space left", 0},
    {Fail::kReadOnlyFileSystem, QT_TRANSLATE_NOOP("pixmint", "只读文件系统"), "read-only file system", 0},
    {Fail::kNameTooLong, QT_TRANSLATE_NOOP("pixmint", "名称过长"), "name too long", 0},
    {Fail::kNoSuchFile, QT_TRANSLATE_NOOP("pixmint", "没有这个文件或文件夹"), "no such file or folder", 0},
    {Fail::kNotAFolder, QT_TRANSLATE_NOOP("pixmint", "路径中有一部分不是文件夹"), "a part of the path is not a folder",
     0},
    {Fail::kIsAFolder, QT_TRANSLATE_NOOP("pixmint", "是一个文件夹"), "is a folder", 0},
    {Fail::kLinkLoop, QT_TRANSLATE_NOOP("pixmint", "符号链接的层数过多"), "too many levels of symbolic links", 0},
    {Fail::kFileTooLarge, QT_TRANSLATE_NOOP("pixmint", "文件过大"), "file too large", 0},
    // %1: the system's own words for an error.
    {Fail::kSystem, QT_TRANSLATE_NOOP("pixmint", "系统错误: %1"), "%1", 1},
    {Fail::kReplacedWhileSaved, QT_TRANSLATE_NOOP("pixmint", "保存期间文件被替换了"),
     "the file was replaced while it was saved", 0},
    // %1: why.
    {Fail::kNoPlaceForCopy, QT_TRANSLATE_NOOP("pixmint", "%1 (没有地方存放旧内容的副本)"),
     "%1 (no place for a copy of the old content)", 1},
    // %1: where the old content is, %2: why the save failed.
    {Fail::kOldContentKept, QT_TRANSLATE_NOOP("pixmint", "%2; 旧内容保存在 %1"), "%2; the old content is kept in %1",
     2},
    {Fail::kNotRegularFile, QT_TRANSLATE_NOOP("pixmint", "不是普通文件"), "not a regular file", 0},
    {Fail::kCannotEncodePicture, QT_TRANSLATE_NOOP("pixmint", "无法编码图片"), "cannot encode the picture", 0},
    {Fail::kCannotEncodeImage, QT_TRANSLATE_NOOP("pixmint", "无法编码图像"), "cannot encode an image", 0},
    {Fail::kNoImageToSave, QT_TRANSLATE_NOOP("pixmint", "没有可保存的图像"), "no image to save", 0},
    // %1: the file.
    {Fail::kCannotWrite, QT_TRANSLATE_NOOP("pixmint", "无法写入 %1"), "cannot write %1", 1},
    // %1: the file, %2: why.
    {Fail::kCannotWriteBecause, QT_TRANSLATE_NOOP("pixmint", "无法写入 %1: %2"), "cannot write %1: %2", 2},
    {Fail::kComposeFailed, QT_TRANSLATE_NOOP("pixmint", "无法组成动画的帧"), "cannot put the frames together", 0},
    {Fail::kNoFrames, QT_TRANSLATE_NOOP("pixmint", "没有帧"), "no frames", 0},
    // %1: the most frames an animation holds.
    {Fail::kTooManyFrames, QT_TRANSLATE_NOOP("pixmint", "多于 %1 帧"), "more than %1 frames", 1},
    // %1: the frame's number.
    {Fail::kFrameWithoutImage, QT_TRANSLATE_NOOP("pixmint", "第 %1 帧没有图像"), "frame %1 has no image", 1},
    {Fail::kNoSteps, QT_TRANSLATE_NOOP("pixmint", "没有步骤"), "no steps", 0},
    // %1: the most steps an animation holds.
    {Fail::kTooManySteps, QT_TRANSLATE_NOOP("pixmint", "多于 %1 个步骤"), "more than %1 steps", 1},
    // %1: the step's number, %2: the frame it names.
    {Fail::kStepFrameMissing, QT_TRANSLATE_NOOP("pixmint", "第 %1 步显示第 %2 帧, 但这一帧不存在"),
     "step %1 shows frame %2, which does not exist", 2},
    // %1: the frame's number, %2: what is wrong with it.
    {Fail::kInFrame, QT_TRANSLATE_NOOP("pixmint", "第 %1 帧: %2"), "frame %1: %2", 2},
    // %1: the frame's number.
    {Fail::kFrame, QT_TRANSLATE_NOOP("pixmint", "第 %1 帧"), "frame %1", 1},
    {Fail::kAniHeaderTooLarge, QT_TRANSLATE_NOOP("pixmint", "文件头放不进 RIFF 文件"),
     "the header does not fit a RIFF file", 0},
    // %1: the frame's number.
    {Fail::kAniFrameUnwritable, QT_TRANSLATE_NOOP("pixmint", "无法写出第 %1 帧"), "frame %1 cannot be written", 1},
    {Fail::kAniFramesTooLarge, QT_TRANSLATE_NOOP("pixmint", "这些帧放不进 RIFF 文件"),
     "the frames do not fit a RIFF file", 0},
    {Fail::kAniTooLarge, QT_TRANSLATE_NOOP("pixmint", "这个指针放不进 RIFF 文件"),
     "the cursor does not fit a RIFF file", 0},
    {Fail::kXcursorFailed, QT_TRANSLATE_NOOP("pixmint", "无法转换为 Xcursor"), "cannot convert to Xcursor", 0},
    {Fail::kNoCommonSize, QT_TRANSLATE_NOOP("pixmint", "这些帧没有共同的图像尺寸"),
     "the frames have no image size in common", 0},
    // %1: the limit in MB.
    {Fail::kXcursorTooLarge, QT_TRANSLATE_NOOP("pixmint", "Xcursor 文件将超过 %1 MB"),
     "the Xcursor file would exceed %1 MB", 1},
    // %1: the image's number.
    {Fail::kImageUnreadable, QT_TRANSLATE_NOOP("pixmint", "无法读取图像 %1"), "image %1 cannot be read", 1},
    {Fail::kNoImages, QT_TRANSLATE_NOOP("pixmint", "没有图像"), "no images", 0},
    {Fail::kXcursorImagesTooLarge, QT_TRANSLATE_NOOP("pixmint", "这些图像放不进 Xcursor 文件"),
     "the images do not fit an Xcursor file", 0},
    {Fail::kDocumentHasNoImage, QT_TRANSLATE_NOOP("pixmint", "文档中没有图像"), "the document has no image", 0},
    // %1: the size asked for, %2: the largest allowed.
    {Fail::kSizeOutOfRange, QT_TRANSLATE_NOOP("pixmint", "尺寸 %1 不在 1 到 %2 之间"), "size %1 is outside 1 to %2", 2},
    // %1: the most images a document holds.
    {Fail::kTooManyImages, QT_TRANSLATE_NOOP("pixmint", "一个文档最多容纳 %1 个图像"),
     "a document holds at most %1 images", 1},
    // %1: the size in pixels.
    {Fail::kCannotMakeSize, QT_TRANSLATE_NOOP("pixmint", "无法生成 %1 像素的图像"), "cannot make the %1 pixel image",
     1},
    {Fail::kNoSizeGiven, QT_TRANSLATE_NOOP("pixmint", "没有给出尺寸"), "no size given", 0},
    // %1: the size in pixels.
    {Fail::kNoSourceForSize, QT_TRANSLATE_NOOP("pixmint", "没有可以生成尺寸 %1 的图像"),
     "no image to make size %1 from", 1},
    {Fail::kNotPng, QT_TRANSLATE_NOOP("pixmint", "不是 PNG 图片"), "not a PNG picture", 0},
    {Fail::kPngTooLarge, QT_TRANSLATE_NOOP("pixmint", "PNG 图片过大"), "PNG picture too large", 0},
    {Fail::kOutOfMemory, QT_TRANSLATE_NOOP("pixmint", "内存不足"), "out of memory", 0},
    {Fail::kDamagedPng, QT_TRANSLATE_NOOP("pixmint", "PNG 图片已损坏"), "damaged PNG picture", 0},
    // %1: the PNG library's own words.
    {Fail::kPngSays, QT_TRANSLATE_NOOP("pixmint", "PNG 库: %1"), "%1", 1},
    {Fail::kNotJpeg, QT_TRANSLATE_NOOP("pixmint", "不是 JPEG 图片"), "not a JPEG picture", 0},
    {Fail::kUnreadableJpeg, QT_TRANSLATE_NOOP("pixmint", "无法读取的 JPEG 图片"), "unreadable JPEG picture", 0},
    // %1 x %2: the picture's size, %3: the largest side allowed.
    {Fail::kJpegTooLarge, QT_TRANSLATE_NOOP("pixmint", "JPEG 图片有 %1x%2 像素, 大于 %3"),
     "JPEG picture of %1x%2 pixels, larger than %3", 3},
    {Fail::kTruncatedJpeg, QT_TRANSLATE_NOOP("pixmint", "JPEG 图片不完整"), "truncated JPEG picture", 0},
    {Fail::kDamagedJpeg, QT_TRANSLATE_NOOP("pixmint", "JPEG 图片已损坏"), "damaged JPEG picture", 0},
    {Fail::kNotAProgram, QT_TRANSLATE_NOOP("pixmint", "不是 Windows 程序文件"), "not a Windows program file", 0},
    {Fail::kOptionalHeaderBeyondEnd, QT_TRANSLATE_NOOP("pixmint", "可选头超出了文件末尾"),
     "optional header beyond the end of the file", 0},
    {Fail::kUnknownOptionalHeader, QT_TRANSLATE_NOOP("pixmint", "未知的可选头"), "unknown optional header", 0},
    {Fail::kOptionalHeaderTooShort, QT_TRANSLATE_NOOP("pixmint", "可选头太短"), "optional header too short", 0},
    // %1: how many sections the program claims.
    {Fail::kTooManySections, QT_TRANSLATE_NOOP("pixmint", "%1 个节"), "%1 sections", 1},
    {Fail::kSectionTableBeyondEnd, QT_TRANSLATE_NOOP("pixmint", "节表超出了文件末尾"),
     "section table beyond the end of the file", 0},
    // %1: the limit in MB.
    {Fail::kInfExpandsTooMuch, QT_TRANSLATE_NOOP("pixmint", "其中的 %names% 展开后超过 %1 MB (上限)"),
     "its %names% expand to more than %1 MB (the limit)", 1},
    {Fail::kInfNamesNoCursor, QT_TRANSLATE_NOOP("pixmint", "没有为任何指针角色指定指针"),
     "names no cursor for any pointer role", 0},
}};

template <class Text>
std::string Render(const Failure& failure, Text text) {
  const FailureText& row = TextOf(failure.code);
  assert(static_cast<int>(failure.details.size() + (failure.cause ? 1 : 0)) == row.placeholders);
  std::vector<std::string> fill = failure.details;
  if (failure.cause) fill.push_back(Render(*failure.cause, text));
  std::string out = text(row);
  // Format takes up to nine words; no message has more.
  const auto at = [&fill](std::size_t i) -> std::string_view {
    return i < fill.size() ? std::string_view(fill[i]) : std::string_view();
  };
  return Format(out, {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8)});
}

}  // namespace

const FailureText& TextOf(Fail code) {
  return kTable.at(static_cast<std::size_t>(code));
}

std::string Message(const Failure& failure) {
  return Render(failure, [](const FailureText& row) { return Tr(row.source); });
}

std::string EnglishMessage(const Failure& failure) {
  return Render(failure, [](const FailureText& row) { return std::string(row.english); });
}

}  // namespace pixmint::texts
