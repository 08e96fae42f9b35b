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
}};

template <class Text>
std::string Render(const Failure& failure, Text text) {
  const FailureText& row = TextOf(failure.code);
  assert(static_cast<int>(failure.details.size() + (failure.cause ? 1 : 0)) == row.placeholders);
  std::vector<std::string> fill = failure.details;
  if (failure.cause) fill.push_back(Render(*failure.cause, text));
  std::string out = text(row);
  // Format takes up to nine words; no message has more.
  const auto at = [&fill](std::size_t i) -> std::string_view { return i < fill.size() ? fill[i] : ""; };
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
