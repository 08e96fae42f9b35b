#pragma once

#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace pixmint::texts {

// Every way an operation can fail that a user is told about. A code becomes
// words only where the user reads them (the editor's messages, the command
// line, a script's output): see texts/failure.cpp for each code's text.
// The names are stable; a new code goes anywhere, with its row in the table.
enum class Fail {
  // Why the system refused (an errno value).
  kPermissionDenied,
  kSharedFolderLink,
  kNoSpace,
  kReadOnlyFileSystem,
  kNameTooLong,
  kNoSuchFile,
  kNotAFolder,
  kIsAFolder,
  kLinkLoop,
  kFileTooLarge,
  kSystem,
  // Reading icon, cursor and animation files.
  kFileMissing,
  kCannotOpenFile,
  kNotIconOrCursor,
  kNotAnyCursorFile,
  kAlreadyLoaded,
  kCannotReadFile,
  kCannotReadFileBecause,
  kCannotSeekImage,
  kCannotReadImage,
  kCannotConvert,
  kCannotConvertImage,
  kInPngEntry,
  kPngEntrySize,
  kPngEntryUnusable,
  kBlockShorterThanHeader,
  kHeaderSize,
  kImageWidth,
  kImageHeight,
  kImagePlanes,
  kImageBitCount,
  kImageCompression,
  kImageColoursUsed,
  kBlockTooShort,
  kNotAnimatedCursor,
  kChunkBeyondEnd,
  kNoAnih,
  kAnihTooShort,
  kAnihFrames,
  kAnihSteps,
  kNoFramList,
  kFramListEmpty,
  kStepShowsNoFrame,
  kFrameAtOffset,
  kChunkRunsPastEnd,
  kChunkWithoutPad,
  kAnihUnusualSize,
  kStepsShortRate,
  kStepsShortInOrder,
  kStepsShortListed,
  kFramesPresentUsed,
  kSizeImageCountDiffers,
  kSizeBeyondFrame,
  kFrameCount,
  kXcursorImageTooLarge,
  // Saving a file.
  kReplacedWhileSaved,
  kNoPlaceForCopy,
  kOldContentKept,
  kNotRegularFile,
  kCannotEncodePicture,
  kCannotEncodeImage,
  kNoImageToSave,
  kCannotWrite,
  kCannotWriteBecause,
  // Animations and their files.
  kComposeFailed,
  kNoFrames,
  kTooManyFrames,
  kFrameWithoutImage,
  kNoSteps,
  kTooManySteps,
  kStepFrameMissing,
  kInFrame,
  kFrame,
  kAniHeaderTooLarge,
  kAniFrameUnwritable,
  kAniFramesTooLarge,
  kAniTooLarge,
  // Xcursor files.
  kXcursorFailed,
  kNoCommonSize,
  kXcursorTooLarge,
  kImageUnreadable,
  kNoImages,
  kXcursorImagesTooLarge,
  // Cursor sizes made from other sizes.
  kDocumentHasNoImage,
  kSizeOutOfRange,
  kTooManyImages,
  kCannotMakeSize,
  kNoSizeGiven,
  kNoSourceForSize,
  // Pictures.
  kNotPng,
  kPngTooLarge,
  kOutOfMemory,
  kDamagedPng,
  kPngSays,
  kNotJpeg,
  kUnreadableJpeg,
  kJpegTooLarge,
  kTruncatedJpeg,
  kDamagedJpeg,
  // Windows programs.
  kNotAProgram,
  kOptionalHeaderBeyondEnd,
  kUnknownOptionalHeader,
  kOptionalHeaderTooShort,
  kTooManySections,
  kSectionTableBeyondEnd,
  // Cursor schemes (install.inf).
  kInfExpandsTooMuch,
  kInfNamesNoCursor,
  // Pictures an icon is made from, and the Qt module that draws SVG.
  kCannotReadTheFile,
  kNotAPicture,
  kNotBmp,
  kSvgNotBuilt,
  kSvgCannotInflate,
  kSvgInflatesTooMuch,
  kDamagedSvgz,
  kSvgTooLarge,
  kSvgCompressedTwice,
  kUnreadableSvg,
  kSvgNeedsModule,
  kNotBuiltIn,
  kNoProgramFolder,
  kCannotLoad,
  kInstallationLacks,
  kModuleLacks,
  // Icons made from pictures.
  kNoPictureGiven,
  kNoDepthGiven,
  kSizeTwice,
  kDepthNotAllowed,
  kDepthTwice,
  kIconImagesTooMany,
  kThresholdOutOfRange,
  kHotSpotNeedsCursor,
  kDocumentNotEmpty,
  kHotSpotOutside,
  kCannotDrawAt,
  // What reading one file may cost.
  kTooManyPixels,
  kTooManyEntries,
  // Reading Xcursor files.
  kNotXcursor,
  kXcursorTocTooLarge,
  kXcursorImageAt,
  kChunkHeaderOutside,
  kChunkMismatch,
  kXcursorImageSize,
  kPixelsPastEnd,
  kHotSpotOutsideImage,
  kChunksOverlap,
  kInImage,
  // Writing Xcursor files: what was left out or drawn another way.
  kImageLeftOut,
  kSizeLeftOut,
  kInvertingRedrawn,
  // Windows programs: their resources and groups.
  kResourceRootOutside,
  kResourceDirOutside,
  kResourceLoop,
  kResourceEntriesOutside,
  kResourceDataForDir,
  kResourceDirForData,
  kTooManyResources,
  kResourceNameOutside,
  kResourceDataEntryOutside,
  kResourceDataOutside,
  kDamagedGroup,
  kEmptyGroup,
  kGroupShorterThanCount,
  kGroupImageMissing,
  kCursorImageNoHotSpot,
  kGroupTooLarge,
  kUnreadableImages,
  // Windows programs: replacing a group.
  kGroupIsCursors,
  kGroupIsIcons,
  kNoIconGroup,
  kNoCursorGroup,
  kResourcesTooLarge,
  kNoFreeImageNumbers,
  kTreeTooFull,
  kTypeTooFull,
  kTooManyLanguages,
  kSectionShared,
  kSectionBeyondEnd,
  kSectionNotLast,
  kSectionTooLarge,
  kSectionsOverlap,
  // Cursor themes and the folders they are made from.
  kInFile,
  kRoleSource,
  kCannotBeConverted,
  kLinkIsFolder,
  kCannotLink,
  kCannotCreate,
  kCannotFlush,
  kCannotRead,
  kFolderTooLarge,
  kCannotReadFolder,
  kInfFileMissing,
  kNoRoleHasName,
  kRoleTaken,
  kRolesFromNames,
  kNoOverrideFile,
  kNoOverrideFileForRole,
  kNoRoleInFolder,
  // Files and folders of the command line.
  kCannotCreateFolder,
  kNotAFolderHere,
  kCannotEncodeFile,
  // Sizes the doctor makes.
  kEntryInverting,
  kCount  // not a failure: the number of codes
};

// A failure: its code and the words that fill its message's placeholders
// (file names, numbers, chunk names, offsets), %1 first. A failure that
// happened inside another (an image of a file, the write of a file) is the
// cause; its message fills the placeholder after the details.
struct Failure {
  Failure(Fail failed, std::vector<std::string> words = {}) : code(failed), details(std::move(words)) {}

  Fail code;
  std::vector<std::string> details;
  std::shared_ptr<const Failure> cause;
};

// This failure as the cause of an outer one.
[[nodiscard]] inline Failure Within(Fail code, std::vector<std::string> details, Failure cause) {
  Failure outer(code, std::move(details));
  outer.cause = std::make_shared<const Failure>(std::move(cause));
  return outer;
}

// The outcome of an operation: its value or why there is none. Shaped like
// std::expected, which the compilers this builds with do not all have.
template <class T>
class [[nodiscard]] Result {
 public:
  template <
      class U = T,
      std::enable_if_t<std::is_convertible_v<U&&, T> && !std::is_same_v<std::remove_cvref_t<U>, Failure>, int> = 0>
  Result(U&& value) : state_(std::in_place_index<0>, std::forward<U>(value)) {}
  Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  [[nodiscard]] bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }
  [[nodiscard]] T& value() & { return std::get<0>(state_); }
  [[nodiscard]] const T& value() const& { return std::get<0>(state_); }
  [[nodiscard]] T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(*this).value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  [[nodiscard]] const Failure& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Failure failure) : failure_(std::move(failure)) {}

  [[nodiscard]] bool has_value() const { return !failure_; }
  explicit operator bool() const { return has_value(); }
  void value() const {}
  [[nodiscard]] const Failure& error() const { return *failure_; }

 private:
  std::optional<Failure> failure_;
};

// A code's row: its source text (Chinese, the translation's key) and its
// English, which the command line prints without loading a translation;
// placeholders is how many %N the texts hold (details and the cause).
struct FailureText {
  Fail code;
  const char* source;
  const char* english;
  int placeholders;
};
[[nodiscard]] const FailureText& TextOf(Fail code);

// The failure's message in the chosen language (through Tr).
[[nodiscard]] std::string Message(const Failure& failure);
// The failure's message in English, whatever the language: the command
// line's messages.
[[nodiscard]] std::string EnglishMessage(const Failure& failure);

}  // namespace pixmint::texts
