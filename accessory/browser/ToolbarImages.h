#pragma once

#include <QIcon>
#include <QString>

// imlIcons: the pictures of the instructions window's toolbar buttons, by button
// key. The desktop's own icon theme comes first; the game's drawings stand in
// where the theme has none.
namespace toolbarimages {

inline constexpr int Size = 24;

QIcon image(const QString &key);

} // namespace toolbarimages
