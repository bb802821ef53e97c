#pragma once

#include <string>
#include <string_view>

// The files a game keeps (saves, the autosave, transcripts) are written so that a full disk, a
// crash or a pulled plug never leaves half a file: each failure says why, in Russian as UTF-8
// text, and leaves the old file as it was.

// Writes the whole file anew or not at all: a temporary file beside it, every write checked,
// flushed to the disk, then renamed over the old one. A link is written through, to the file it
// names; anything but a plain file in its place is left alone. The file keeps its mode and owner;
// a new one gets the mode the user's umask gives.
bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string &error);

// Adds the bytes at the end of a file that exists: a file that begins with what is added would
// lack what should come first. A write that fails part way is taken back, so the file never ends
// in half a record.
bool AppendToFile(const std::string &path, std::string_view bytes, std::string &error);

// The whole of a plain file of at most `limit` bytes.
bool ReadFileAtMost(const std::string &path, std::size_t limit, std::string &bytes,
                    std::string &error);
