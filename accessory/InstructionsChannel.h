#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>

// What the game and its instructions viewer agree on. The game starts the viewer
// with the name of a local channel and nothing else on its command line; over the
// channel it sends one line per How To Play. The viewer quits when the channel
// closes, which is how it follows the game out, however the game ends.
namespace instructions {

// The viewer program, found beside the game's own executable.
inline const QString ViewerProgramName = QStringLiteral("wordsnarl-instructions");

// The instructions page, beside both programs. The game shows it elsewhere when
// the viewer cannot.
inline const QString PageFileName = QStringLiteral("GameInstructions.htm");

// Command-line option that carries the channel's name.
inline const QString ChannelOption = QStringLiteral("--channel");

// Sent for every How To Play once the viewer has connected.
inline const QByteArray ShowCommand = QByteArrayLiteral("show\n");

// On Linux the channel is named in the abstract namespace, which makes no file,
// so nothing is left behind however the game ends; the game then accepts only
// the process it started. Elsewhere the channel is a file only its user may open.
#ifdef Q_OS_LINUX
inline constexpr QLocalServer::SocketOptions ServerOptions = QLocalServer::AbstractNamespaceOption;
inline constexpr QLocalSocket::SocketOptions SocketOptions = QLocalSocket::AbstractNamespaceOption;
#else
inline constexpr QLocalServer::SocketOptions ServerOptions = QLocalServer::UserAccessOption;
inline constexpr QLocalSocket::SocketOptions SocketOptions = QLocalSocket::NoOptions;
#endif

} // namespace instructions
