#pragma once

class Dialogs;
class FileProbe;
class ProgramStarter;
class UrlOpener;

namespace registry {
class Registry;
}

// What the Help menu's windows need of the system and of the player's dialogs.
struct AboutServices {
    registry::Registry &registry;
    ProgramStarter &programs;
    const FileProbe &files;
    UrlOpener &urls;
    Dialogs &dialogs;
};
