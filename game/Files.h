#pragma once

#include <string>
#include <string_view>

// The files a game keeps (saves, the autosave, transcripts) are written so that a full disk, a
// crash or a pulled plug never leaves half a file: each failure says why, as a UTF-8 text, and
// leaves the old file as it was.

// Writes the whole file anew or not at all: a temporary file beside it, every write checked,
// flushed to the disk, then renamed over the old one. A link is written through; anything but a
// plain file in its place is left alone.
bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string &error);

// Adds the bytes at the end of the file, which is created if missing. A write that fails part
// way is taken back, so the file never ends in half a record.
bool AppendToFile(const std::string &path, std::string_view bytes, std::string &error);

// The whole of a plain file of at most `limit` bytes.
bool ReadFileAtMost(const std::string &path, std::size_t limit, std::string &bytes,
                    std::string &error);
