#pragma once

#include <string>
#include <string_view>

// The files the program keeps (saves, the autosave, transcripts, the launcher's choice) are written
// so that a full disk, a crash or a pulled plug never leaves half a file: each failure says why, in
// Russian as UTF-8 text, and leaves the old file as it was.

// Writes the whole file anew or not at all: a temporary file beside it, every write checked,
// flushed to the disk, then renamed over the old one. A link is written through, to the file it
// names; anything but a plain file in its place is left alone. The file keeps its mode and owner;
// a new one gets the mode the user's umask gives.
bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string &error);

// Adds the bytes at the end of a file that exists: a file that begins with what is added would
// lack what should come first. A write that fails part way is taken back, so the file never ends
// in half a record.
bool AppendToFile(const std::string &path, std::string_view bytes, std::string &error);

// Why a file could not be read.
enum class ReadTrouble {
    None,
    CannotOpen,
    NotAFile,
    TooLarge,
    CannotRead
};

// The whole of a plain file of at most `limit` bytes, or what kept it from being read, with the
// system's reason in `systemError`. Only a plain file is read, so that a pipe or a device can
// neither stall the program nor exhaust its memory; a file that lies about its size, or grows
// while it is read, is found too large as soon as it passes the limit.
ReadTrouble ReadPlainFile(const std::string &path, std::size_t limit, std::string &bytes,
                          int &systemError);

// The same, the trouble told in Russian as UTF-8 ("не удалось открыть: Нет прав доступа").
bool ReadFileAtMost(const std::string &path, std::size_t limit, std::string &bytes,
                    std::string &error);

// Every byte to the descriptor, again after a signal; false with errno set when a write fails.
bool WriteAll(int fd, std::string_view bytes);
