#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

#include "editor/editor_host.h"

// The resources live in a static library; their registration has to be
// pulled in by name, outside any namespace.
void PixmintInitResources();

namespace pixmint::app {

// The program's own pictures under resources/art (tool bar, tool box, panel
// buttons, option lists); an empty picture when the name is unknown.
[[nodiscard]] QPixmap ArtPixmap(const QString& name);
[[nodiscard]] QIcon ArtIcon(const QString& name);

// The sizes Pixmint's own icon is drawn at, each its own picture.
inline constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
// Pixmint's own icon with every size.
[[nodiscard]] QIcon ProgramIcon();

// The canvas cursor for a shape: the six tool cursors are our own pictures,
// the rest the platform's.
[[nodiscard]] QCursor CursorFor(editor::CursorShape shape);

}  // namespace pixmint::app
