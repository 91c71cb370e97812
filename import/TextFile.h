#pragma once

#include <string>

class IMessageBox;

// Reads a whole file, CR LF turned into LF, the text ending at a NUL byte.
// True when at least one byte was read (`text` then holds the text). A file
// that cannot be opened (or exceeds 64 MiB) shows "Fehler beim Öffnen von
// "<path>"." through `messages` and returns false; an empty file returns
// false without a message. `text` is unchanged on false.
bool ReadTextFile(std::string& text, const std::string& path, IMessageBox& messages);
