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
    {Fail::kFileMissing, QT_TRANSLATE_NOOP("pixmint", "没有这个文件"), "no such file", 0},
    {Fail::kCannotOpenFile, QT_TRANSLATE_NOOP("pixmint", "打开文件以读取时出错"), "Error Opening File for Reading", 0},
    {Fail::kNotIconOrCursor, QT_TRANSLATE_NOOP("pixmint", "不是图标或指针文件"), "not an icon or cursor file", 0},
    {Fail::kNotAnyCursorFile, QT_TRANSLATE_NOOP("pixmint", "不是图标、指针、动画指针或 Xcursor 文件"),
     "Not an icon, cursor, animated cursor or Xcursor file", 0},
    {Fail::kAlreadyLoaded, QT_TRANSLATE_NOOP("pixmint", "这个图标资源已经载入了图标!"),
     "This IconResource has loaded icon!", 0},
    {Fail::kCannotReadFile, QT_TRANSLATE_NOOP("pixmint", "读取文件时出错"), "Error Reading File", 0},
    // %1: why.
    {Fail::kCannotReadFileBecause, QT_TRANSLATE_NOOP("pixmint", "读取文件时出错 (%1)"), "Error Reading File (%1)", 1},
    // %1: the image's number, %2: the offset it names.
    {Fail::kCannotSeekImage, QT_TRANSLATE_NOOP("pixmint", "在文件中定位时出错 (图像 %1: 偏移 %2)"),
     "Error Seeking in File (image %1: offset %2)", 2},
    // %1: the image's number, %2: its size, %3: its offset.
    {Fail::kCannotReadImage, QT_TRANSLATE_NOOP("pixmint", "读取文件时出错 (图像 %1: 偏移 %3 处的 %2 字节)"),
     "Error Reading File (image %1: %2 bytes at offset %3)", 3},
    // %1: why.
    {Fail::kCannotConvert, QT_TRANSLATE_NOOP("pixmint", "转换为内部格式时出错 (%1)"),
     "Error Converting to Internal Format (%1)", 1},
    // %1: the image's number, %2: why.
    {Fail::kCannotConvertImage, QT_TRANSLATE_NOOP("pixmint", "转换为内部格式时出错 (图像 %1: %2)"),
     "Error Converting to Internal Format (image %1: %2)", 2},
    // %1: what is wrong with the PNG picture.
    {Fail::kInPngEntry, QT_TRANSLATE_NOOP("pixmint", "PNG: %1"), "PNG: %1", 1},
    // %1 x %2: the picture's size.
    {Fail::kPngEntrySize, QT_TRANSLATE_NOOP("pixmint", "PNG 尺寸 %1x%2"), "PNG size %1x%2", 2},
    {Fail::kPngEntryUnusable, QT_TRANSLATE_NOOP("pixmint", "PNG 尺寸不可用"), "PNG size", 0},
    // %1: the block's size.
    {Fail::kBlockShorterThanHeader, QT_TRANSLATE_NOOP("pixmint", "%1 字节的块短于文件头"),
     "block of %1 bytes is shorter than a header", 1},
    // %1: the header's size field.
    {Fail::kHeaderSize, QT_TRANSLATE_NOOP("pixmint", "文件头大小 %1"), "header size %1", 1},
    // %1: the width the header gives.
    {Fail::kImageWidth, QT_TRANSLATE_NOOP("pixmint", "宽度 %1"), "width %1", 1},
    // %1: the height the header gives.
    {Fail::kImageHeight, QT_TRANSLATE_NOOP("pixmint", "高度 %1"), "height %1", 1},
    // %1: the plane count the header gives.
    {Fail::kImagePlanes, QT_TRANSLATE_NOOP("pixmint", "平面数 %1"), "planes %1", 1},
    // %1: the bit count the header gives.
    {Fail::kImageBitCount, QT_TRANSLATE_NOOP("pixmint", "位数 %1"), "bit count %1", 1},
    // %1: the compression the header gives.
    {Fail::kImageCompression, QT_TRANSLATE_NOOP("pixmint", "压缩方式 %1"), "compression %1", 1},
    // %1: the colour count the header gives.
    {Fail::kImageColoursUsed, QT_TRANSLATE_NOOP("pixmint", "使用的颜色数 %1"), "colours used %1", 1},
    // %1: the block's size, %2: the size it needs.
    {Fail::kBlockTooShort, QT_TRANSLATE_NOOP("pixmint", "%1 字节的块, 需要 %2 字节"), "block of %1 bytes, needs %2", 2},
    {Fail::kNotAnimatedCursor, QT_TRANSLATE_NOOP("pixmint", "不是动画指针 (没有 RIFF ACON 文件头)"),
     "Not an animated cursor (no RIFF ACON header)", 0},
    // %1: the chunk's id, %2: its offset, %3: the size it claims, %4: the bytes left.
    {Fail::kChunkBeyondEnd, QT_TRANSLATE_NOOP("pixmint", "偏移 %2 处的块 '%1' 声称有 %3 字节, 只剩 %4 字节"),
     "chunk '%1' at offset %2 claims %3 bytes, %4 remain", 4},
    {Fail::kNoAnih, QT_TRANSLATE_NOOP("pixmint", "没有 'anih' 块"), "no 'anih' chunk", 0},
    // %1: the chunk's size.
    {Fail::kAnihTooShort, QT_TRANSLATE_NOOP("pixmint", "'anih' 块只有 %1 字节, 需要 32 字节"),
     "the 'anih' chunk holds %1 bytes, 32 are needed", 1},
    // %1: the frames declared, %2: the most allowed.
    {Fail::kAnihFrames, QT_TRANSLATE_NOOP("pixmint", "'anih' 声明了 %1 帧 (允许 1 到 %2 帧)"),
     "'anih' declares %1 frames (1 to %2 allowed)", 2},
    // %1: the steps declared, %2: the most allowed.
    {Fail::kAnihSteps, QT_TRANSLATE_NOOP("pixmint", "'anih' 声明了 %1 个步骤 (最多 %2 个)"),
     "'anih' declares %1 steps (at most %2)", 2},
    {Fail::kNoFramList, QT_TRANSLATE_NOOP("pixmint", "没有 'fram' 列表"), "no 'fram' list", 0},
    {Fail::kFramListEmpty, QT_TRANSLATE_NOOP("pixmint", "'fram' 列表中没有帧"), "the 'fram' list holds no frame", 0},
    // %1: the step, %2: the frame it shows, %3: the frames there are.
    {Fail::kStepShowsNoFrame, QT_TRANSLATE_NOOP("pixmint", "第 %1 步显示第 %2 帧, 而只有 %3 帧"),
     "step %1 shows frame %2 of %3", 3},
    // %1: the frame's number, %2: its offset, %3: what is wrong with it.
    {Fail::kFrameAtOffset, QT_TRANSLATE_NOOP("pixmint", "第 %1 帧 (偏移 %2): %3"), "Frame %1 (offset %2): %3", 3},
    // %1: the chunk's id, %2: its offset, %3: the bytes beyond the end.
    {Fail::kChunkRunsPastEnd, QT_TRANSLATE_NOOP("pixmint", "偏移 %2 处的块 '%1' 超出末尾 %3 字节; 读到末尾为止"),
     "chunk '%1' at offset %2 runs %3 bytes past the end; read up to the end", 3},
    // %1: the chunk's id, %2: its offset.
    {Fail::kChunkWithoutPad, QT_TRANSLATE_NOOP("pixmint", "偏移 %2 处的块 '%1' 长度为奇数且没有填充字节"),
     "chunk '%1' at offset %2 has an odd length and no pad byte", 2},
    // %1: the size the header says, %2: the size it has.
    {Fail::kAnihUnusualSize,
     QT_TRANSLATE_NOOP("pixmint", "'anih' 文件头自称 %1 字节, 实有 %2 字节, 通常为 36; 其字段按原样读取"),
     "the 'anih' header says %1 bytes and holds %2, 36 are usual; its fields are read as they stand", 2},
    // %1: the chunk's id, %2: the entries it holds, %3: the steps.
    {Fail::kStepsShortRate, QT_TRANSLATE_NOOP("pixmint", "'%1' 有 %2 项, 而步骤有 %3 个; 其余步骤使用文件头的速率"),
     "'%1' holds %2 entries for %3 steps; the others take the header's rate", 3},
    // %1: the chunk's id, %2: the entries it holds, %3: the steps.
    {Fail::kStepsShortInOrder, QT_TRANSLATE_NOOP("pixmint", "'%1' 有 %2 项, 而步骤有 %3 个; 帧按顺序播放"),
     "'%1' holds %2 entries for %3 steps; the frames play in order", 3},
    // %1: the chunk's id, %2: the entries it holds, %3: the steps, %4: the
    // entries again (a placeholder is used once).
    {Fail::kStepsShortListed,
     QT_TRANSLATE_NOOP("pixmint", "'%1' 有 %2 项, 而步骤有 %3 个; 动画播放其中列出的 %4 个步骤"),
     "'%1' holds %2 entries for %3 steps; the animation plays the %4 steps it lists", 4},
    // %1: the frames declared, %2: the frames present.
    {Fail::kFramesPresentUsed, QT_TRANSLATE_NOOP("pixmint", "'anih' 声明了 %1 帧, 'fram' 列表中有 %2 帧; 使用实有的帧"),
     "'anih' declares %1 frames, the 'fram' list holds %2; those are used", 2},
    // %1: the size, %2: its images, %3: the animation's.
    {Fail::kSizeImageCountDiffers, QT_TRANSLATE_NOOP("pixmint", "尺寸 %1 被略去: 它有 %2 个图像, 动画有 %3 个"),
     "size %1 is left out: it has %2 images, the animation %3", 3},
    // %1: the size, %2: the most images a frame holds.
    {Fail::kSizeBeyondFrame, QT_TRANSLATE_NOOP("pixmint", "尺寸 %1 被略去: 一帧最多容纳 %2 个图像"),
     "size %1 is left out: a frame holds at most %2 images", 2},
    // %1: how many frames the file holds.
    {Fail::kFrameCount, QT_TRANSLATE_NOOP("pixmint", "%1 帧"), "%1 frames", 1},
    // %1: the size, %2: the frame, %3 x %4: the image's size.
    {Fail::kXcursorImageTooLarge, QT_TRANSLATE_NOOP("pixmint", "尺寸 %1, 第 %2 帧: %3x%4 的图像大于文档图像允许的大小"),
     "size %1, frame %2: a %3x%4 image is larger than a document image may be", 4},
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
    {Fail::kCannotReadTheFile, QT_TRANSLATE_NOOP("pixmint", "无法读取文件"), "cannot read the file", 0},
    {Fail::kNotAPicture, QT_TRANSLATE_NOOP("pixmint", "不是 PNG、JPEG、BMP 或 SVG 图片"),
     "not a PNG, JPEG, BMP or SVG picture", 0},
    {Fail::kNotBmp, QT_TRANSLATE_NOOP("pixmint", "不是不超过 4096 像素的 24 位未压缩 BMP 图片"),
     "not a 24-bit uncompressed BMP picture of at most 4096 pixels", 0},
    {Fail::kSvgNotBuilt, QT_TRANSLATE_NOOP("pixmint", "SVG 图片需要 Qt SVG 模块, 而这个版本没有它"),
     "SVG pictures need the Qt SVG module, which this build lacks", 0},
    {Fail::kSvgCannotInflate, QT_TRANSLATE_NOOP("pixmint", "无法解压 SVG 图片"), "cannot inflate the SVG picture", 0},
    // %1: the limit in MB.
    {Fail::kSvgInflatesTooMuch, QT_TRANSLATE_NOOP("pixmint", "SVG 图片解压后超过 %1 MB (上限)"),
     "the SVG picture inflates to more than %1 MB (the limit)", 1},
    {Fail::kDamagedSvgz, QT_TRANSLATE_NOOP("pixmint", "压缩的 SVG 图片已损坏"), "damaged compressed SVG picture", 0},
    // %1: the limit in MB.
    {Fail::kSvgTooLarge, QT_TRANSLATE_NOOP("pixmint", "SVG 图片大于 %1 MB (上限)"),
     "the SVG picture is larger than %1 MB (the limit)", 1},
    {Fail::kSvgCompressedTwice, QT_TRANSLATE_NOOP("pixmint", "SVG 图片被压缩了两次"),
     "the SVG picture is compressed twice", 0},
    {Fail::kUnreadableSvg, QT_TRANSLATE_NOOP("pixmint", "无法读取的 SVG 图片"), "unreadable SVG picture", 0},
    // %1: why the module is not there.
    {Fail::kSvgNeedsModule, QT_TRANSLATE_NOOP("pixmint", "SVG 图片需要 Qt 的 SVG 模块: %1"),
     "SVG pictures need Qt's SVG module: %1", 1},
    {Fail::kNotBuiltIn, QT_TRANSLATE_NOOP("pixmint", "没有编译进来"), "not built in", 0},
    // %1: why.
    {Fail::kNoProgramFolder, QT_TRANSLATE_NOOP("pixmint", "找不到程序自己的文件夹: %1"),
     "cannot find the program's own folder: %1", 1},
    // %1: the module's file.
    {Fail::kCannotLoad, QT_TRANSLATE_NOOP("pixmint", "无法加载 %1"), "cannot load %1", 1},
    // %1: the module's file name.
    {Fail::kInstallationLacks, QT_TRANSLATE_NOOP("pixmint", "这个安装缺少 %1"), "this installation lacks %1", 1},
    // %1: the module's file name, %2: the entry's name.
    {Fail::kModuleLacks, QT_TRANSLATE_NOOP("pixmint", "%1 中没有 %2"), "%1 has no %2", 2},
    {Fail::kNoPictureGiven, QT_TRANSLATE_NOOP("pixmint", "没有给出图片"), "no picture given", 0},
    {Fail::kNoDepthGiven, QT_TRANSLATE_NOOP("pixmint", "没有给出颜色深度"), "no depth given", 0},
    // %1: the size.
    {Fail::kSizeTwice, QT_TRANSLATE_NOOP("pixmint", "尺寸 %1 给出了两次"), "size %1 is given twice", 1},
    // %1: the depth.
    {Fail::kDepthNotAllowed, QT_TRANSLATE_NOOP("pixmint", "颜色深度 %1 不是 32、8 或 4"),
     "depth %1 is not one of 32, 8 and 4", 1},
    // %1: the depth.
    {Fail::kDepthTwice, QT_TRANSLATE_NOOP("pixmint", "颜色深度 %1 给出了两次"), "depth %1 is given twice", 1},
    // %1: the most images, %2: how many were asked for.
    {Fail::kIconImagesTooMany, QT_TRANSLATE_NOOP("pixmint", "一个图标最多容纳 %1 个图像, 而不是 %2 个"),
     "an icon holds at most %1 images, not %2", 2},
    {Fail::kThresholdOutOfRange, QT_TRANSLATE_NOOP("pixmint", "阈值不在 0 到 255 之间"),
     "the threshold is outside 0 to 255", 0},
    {Fail::kHotSpotNeedsCursor, QT_TRANSLATE_NOOP("pixmint", "热点只属于指针 (.cur)"),
     "hot spots belong to cursors (.cur)", 0},
    {Fail::kDocumentNotEmpty, QT_TRANSLATE_NOOP("pixmint", "文档不是空的"), "the document is not empty", 0},
    // %1: the picture's name.
    {Fail::kHotSpotOutside, QT_TRANSLATE_NOOP("pixmint", "热点位于 %1 之外"), "the hot spot lies outside %1", 1},
    // %1: the picture's name, %2: the size.
    {Fail::kCannotDrawAt, QT_TRANSLATE_NOOP("pixmint", "%1: 无法以 %2 像素绘制"), "%1: cannot draw it at %2 pixels", 2},
    // %1: the limit.
    {Fail::kTooManyPixels, QT_TRANSLATE_NOOP("pixmint", "一个文件中超过 %1 个像素 (上限)"),
     "more than %1 pixels in one file (the limit)", 1},
    // %1: the limit.
    {Fail::kTooManyEntries, QT_TRANSLATE_NOOP("pixmint", "一个文件中超过 %1 个条目 (上限)"),
     "more than %1 entries in one file (the limit)", 1},
    {Fail::kNotXcursor, QT_TRANSLATE_NOOP("pixmint", "不是 Xcursor 文件"), "not an Xcursor file", 0},
    // %1: the entries the table claims.
    {Fail::kXcursorTocTooLarge, QT_TRANSLATE_NOOP("pixmint", "目录 (%1 个条目) 放不进文件"),
     "the table of contents (%1 entries) does not fit the file", 1},
    // %1: the table entry, %2: the chunk's offset, %3: what is wrong.
    {Fail::kXcursorImageAt, QT_TRANSLATE_NOOP("pixmint", "位于偏移 %2 的图像 %1: %3"), "image %1 at offset %2: %3", 3},
    {Fail::kChunkHeaderOutside, QT_TRANSLATE_NOOP("pixmint", "块头位于文件之外"),
     "the chunk header lies outside the file", 0},
    {Fail::kChunkMismatch, QT_TRANSLATE_NOOP("pixmint", "块与它的目录条目不符"),
     "the chunk does not match its table entry", 0},
    // %1 x %2: the image's size.
    {Fail::kXcursorImageSize, QT_TRANSLATE_NOOP("pixmint", "尺寸 %1x%2"), "size %1x%2", 2},
    // %1 x %2: the image's size.
    {Fail::kPixelsPastEnd, QT_TRANSLATE_NOOP("pixmint", "%1x%2 的像素超出了文件末尾"),
     "%1x%2 pixels run past the end of the file", 2},
    // %1,%2: the hot spot.
    {Fail::kHotSpotOutsideImage, QT_TRANSLATE_NOOP("pixmint", "热点 %1,%2 位于图像之外"),
     "hot spot %1,%2 outside the image", 2},
    // %1, %2: the chunks' offsets.
    {Fail::kChunksOverlap, QT_TRANSLATE_NOOP("pixmint", "偏移 %1 和 %2 处的图像块相互重叠"),
     "the image chunks at offsets %1 and %2 overlap", 2},
    // %1: the image's number, %2: what is wrong with it.
    {Fail::kInImage, QT_TRANSLATE_NOOP("pixmint", "图像 %1: %2"), "image %1: %2", 2},
    // %1 x %2, %3 bits: the image left out; %4 x %5, %6 bits: the image written.
    {Fail::kImageLeftOut, QT_TRANSLATE_NOOP("pixmint", "%1x%2 %3 位图像被略去; 写入的是 %4x%5 %6 位图像"),
     "the %1x%2 %3-bit image is left out; the %4x%5 %6-bit image is written", 6},
    // %1: the size, %2: the frames that have it, %3: all frames.
    {Fail::kSizeLeftOut, QT_TRANSLATE_NOOP("pixmint", "尺寸 %1 被略去: %3 帧中只有 %2 帧有它"),
     "size %1 is left out: only %2 of %3 frames have it", 3},
    // %1 x %2, %3 bits: the image; %4: how many pixels.
    {Fail::kInvertingRedrawn, QT_TRANSLATE_NOOP("pixmint", "%1x%2 %3 位图像: %4 个反色像素画成了带白色轮廓的黑色"),
     "%1x%2 %3-bit image: %4 screen-inverting pixels drawn black with a white outline", 4},
    {Fail::kResourceRootOutside, QT_TRANSLATE_NOOP("pixmint", "资源目录位于文件之外"),
     "resource directory outside the file", 0},
    {Fail::kResourceDirOutside, QT_TRANSLATE_NOOP("pixmint", "资源目录位于节之外"),
     "resource directory outside the section", 0},
    {Fail::kResourceLoop, QT_TRANSLATE_NOOP("pixmint", "资源树中有循环"), "loop in the resource tree", 0},
    {Fail::kResourceEntriesOutside, QT_TRANSLATE_NOOP("pixmint", "资源目录的条目位于节之外"),
     "resource directory entries outside the section", 0},
    {Fail::kResourceDataForDir, QT_TRANSLATE_NOOP("pixmint", "应为目录之处是资源数据"),
     "resource data where a directory belongs", 0},
    {Fail::kResourceDirForData, QT_TRANSLATE_NOOP("pixmint", "应为数据之处是资源目录"),
     "resource directory where data belongs", 0},
    // %1: the limit.
    {Fail::kTooManyResources, QT_TRANSLATE_NOOP("pixmint", "超过 %1 个资源 (上限)"),
     "more than %1 resources (the limit)", 1},
    {Fail::kResourceNameOutside, QT_TRANSLATE_NOOP("pixmint", "资源名称位于节之外"),
     "resource name outside the section", 0},
    {Fail::kResourceDataEntryOutside, QT_TRANSLATE_NOOP("pixmint", "资源数据条目位于节之外"),
     "resource data entry outside the section", 0},
    {Fail::kResourceDataOutside, QT_TRANSLATE_NOOP("pixmint", "资源数据位于文件之外"), "resource data outside the file",
     0},
    {Fail::kDamagedGroup, QT_TRANSLATE_NOOP("pixmint", "组目录已损坏"), "damaged group directory", 0},
    {Fail::kEmptyGroup, QT_TRANSLATE_NOOP("pixmint", "空组"), "empty group", 0},
    {Fail::kGroupShorterThanCount, QT_TRANSLATE_NOOP("pixmint", "组目录比它的计数短"),
     "group directory shorter than its count", 0},
    // %1: the image's number.
    {Fail::kGroupImageMissing, QT_TRANSLATE_NOOP("pixmint", "图像 %1 不存在"), "image %1 is missing", 1},
    // %1: the image's number.
    {Fail::kCursorImageNoHotSpot, QT_TRANSLATE_NOOP("pixmint", "指针图像 %1 没有热点"),
     "cursor image %1 has no hot spot", 1},
    {Fail::kGroupTooLarge, QT_TRANSLATE_NOOP("pixmint", "组过大"), "group too large", 0},
    {Fail::kUnreadableImages, QT_TRANSLATE_NOOP("pixmint", "无法读取的图像"), "unreadable images", 0},
    // %1: the group's name.
    {Fail::kGroupIsCursors, QT_TRANSLATE_NOOP("pixmint", "组 %1 是指针组; 新文件是图标"),
     "group %1 is a cursor group; the new file is an icon", 1},
    // %1: the group's name.
    {Fail::kGroupIsIcons, QT_TRANSLATE_NOOP("pixmint", "组 %1 是图标组; 新文件是指针"),
     "group %1 is an icon group; the new file is a cursor", 1},
    // %1: the group's name.
    {Fail::kNoIconGroup, QT_TRANSLATE_NOOP("pixmint", "没有图标组 %1"), "no icon group %1", 1},
    // %1: the group's name.
    {Fail::kNoCursorGroup, QT_TRANSLATE_NOOP("pixmint", "没有指针组 %1"), "no cursor group %1", 1},
    {Fail::kResourcesTooLarge, QT_TRANSLATE_NOOP("pixmint", "资源过大"), "resources too large", 0},
    {Fail::kNoFreeImageNumbers, QT_TRANSLATE_NOOP("pixmint", "没有空闲的图像编号"), "no free image numbers", 0},
    // %1: the entries.
    {Fail::kTreeTooFull,
     QT_TRANSLATE_NOOP("pixmint",
                       "资源树有 %1 个条目, 超过了目录能计数的数量 (65535 个命名的和 65535 个编号的); 什么也没有写入"),
     "the resource tree holds %1 entries, more than its directory can count (65535 named and 65535 numbered); nothing "
     "was written",
     1},
    // %1: the resource type, %2: the entries.
    {Fail::kTypeTooFull,
     QT_TRANSLATE_NOOP(
         "pixmint", "类型 %1 有 %2 个条目, 超过了目录能计数的数量 (65535 个命名的和 65535 个编号的); 什么也没有写入"),
     "type %1 holds %2 entries, more than its directory can count (65535 named and 65535 numbered); nothing was "
     "written",
     2},
    // %1/%2: the resource's type and name, %3: the languages.
    {Fail::kTooManyLanguages,
     QT_TRANSLATE_NOOP("pixmint", "资源 %1/%2 有 %3 种语言, 超过了目录能计数的数量 (65535); 什么也没有写入"),
     "resource %1/%2 holds %3 languages, more than its directory can count (65535); nothing was written", 3},
    {Fail::kSectionShared, QT_TRANSLATE_NOOP("pixmint", "资源与其他数据共用一个节; 什么也没有写入"),
     "the resources share their section with other data; nothing was written", 0},
    {Fail::kSectionBeyondEnd, QT_TRANSLATE_NOOP("pixmint", "资源节超出了文件末尾"),
     "the resource section goes beyond the end of the file", 0},
    // %1: the bytes.
    {Fail::kSectionNotLast,
     QT_TRANSLATE_NOOP("pixmint", "资源节不是文件的最后一节, 却需要增大 %1 字节; 什么也没有写入"),
     "the resource section is not the last section of the file and would have to grow by %1 bytes; nothing was written",
     1},
    {Fail::kSectionTooLarge, QT_TRANSLATE_NOOP("pixmint", "新的资源节过大"), "the new resource section is too large",
     0},
    {Fail::kSectionsOverlap, QT_TRANSLATE_NOOP("pixmint", "程序的节相互重叠; 什么也没有写入"),
     "the sections of the program overlap; nothing was written", 0},
    // %1: a file (or what in it), %2: what is wrong with it.
    {Fail::kInFile, QT_TRANSLATE_NOOP("pixmint", "%1: %2"), "%1: %2", 2},
    // %1: the pointer role, %2: its file, %3: what happened.
    {Fail::kRoleSource, QT_TRANSLATE_NOOP("pixmint", "%1 (%2): %3"), "%1 (%2): %3", 3},
    {Fail::kCannotBeConverted, QT_TRANSLATE_NOOP("pixmint", "无法转换"), "cannot be converted", 0},
    // %1: the path.
    {Fail::kLinkIsFolder, QT_TRANSLATE_NOOP("pixmint", "%1 是一个文件夹"), "%1 is a folder", 1},
    // %1: the link, %2: why.
    {Fail::kCannotLink, QT_TRANSLATE_NOOP("pixmint", "无法链接 %1: %2"), "cannot link %1: %2", 2},
    // %1: the path.
    {Fail::kCannotCreate, QT_TRANSLATE_NOOP("pixmint", "无法创建 %1"), "cannot create %1", 1},
    // %1: the folder.
    {Fail::kCannotFlush, QT_TRANSLATE_NOOP("pixmint", "无法把 %1 写入磁盘"), "cannot flush %1", 1},
    // %1: the file.
    {Fail::kCannotRead, QT_TRANSLATE_NOOP("pixmint", "无法读取 %1"), "cannot read %1", 1},
    // %1: the folder, %2: the limit.
    {Fail::kFolderTooLarge, QT_TRANSLATE_NOOP("pixmint", "%1 中有超过 %2 个条目"), "%1 holds more than %2 entries", 2},
    // %1: the folder, %2: why.
    {Fail::kCannotReadFolder, QT_TRANSLATE_NOOP("pixmint", "无法读取文件夹 %1: %2"), "cannot read the folder %1: %2",
     2},
    // %1: the pointer role, %2: the file, %3: the .inf file.
    {Fail::kInfFileMissing, QT_TRANSLATE_NOOP("pixmint", "%1: %3 指定的 %2 不在文件夹中"),
     "%1: %2, named by %3, is not in the folder", 3},
    // %1: the file.
    {Fail::kNoRoleHasName, QT_TRANSLATE_NOOP("pixmint", "%1: 没有哪个指针角色叫这个名字; 已略去"),
     "%1: no pointer role has this name; left out", 1},
    // %1: the file, %2: the pointer role, %3: the file that plays it.
    {Fail::kRoleTaken, QT_TRANSLATE_NOOP("pixmint", "%1: %2 已经是 %3; 已略去"), "%1: %2 is already %3; left out", 3},
    // %1: why the .inf file was not used.
    {Fail::kRolesFromNames, QT_TRANSLATE_NOOP("pixmint", "%1; 角色按文件名确定"), "%1; roles taken from the file names",
     1},
    // %1: the file.
    {Fail::kNoOverrideFile, QT_TRANSLATE_NOOP("pixmint", "没有文件 %1"), "no file %1", 1},
    // %1: the file, %2: the pointer role.
    {Fail::kNoOverrideFileForRole, QT_TRANSLATE_NOOP("pixmint", "没有用于 %2 的文件 %1"), "no file %1 for %2", 2},
    // %1: the folder.
    {Fail::kNoRoleInFolder, QT_TRANSLATE_NOOP("pixmint", "%1 中没有扮演指针角色的指针 (按名称或按 install.inf)"),
     "no cursor in %1 plays a pointer role (by its name or by an install.inf)", 1},
    // %1: the folder, %2: why.
    {Fail::kCannotCreateFolder, QT_TRANSLATE_NOOP("pixmint", "无法创建文件夹 %1: %2"), "cannot create folder %1: %2",
     2},
    {Fail::kNotAFolderHere, QT_TRANSLATE_NOOP("pixmint", "不是文件夹"), "not a folder", 0},
    // %1: the file.
    {Fail::kCannotEncodeFile, QT_TRANSLATE_NOOP("pixmint", "无法编码 %1"), "cannot encode %1", 1},
    // %1: the entry's number.
    {Fail::kEntryInverting, QT_TRANSLATE_NOOP("pixmint", "条目 %1 有反色像素, 32 位图像无法显示它们"),
     "entry %1 has screen-inverting pixels, which 32-bit images cannot show", 1},
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
