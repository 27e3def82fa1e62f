#pragma once
// The few file operations the profile and the game log need beyond plain
// stream input and output: reading only what is a regular file, replacing a
// file's content so that a crash at any moment leaves either the old or the
// new content, and appending a block whole or not at all. None of them ever
// blocks on a FIFO or a device standing where a file was expected.

#include <cstdio>
#include <string>

// Opens path for reading as a stream if it is a regular file; null otherwise
// (missing, unreadable, a folder, a FIFO, a device).
std::FILE* OpenRegularFile(const std::string& path);

// Gives path the content text. A symbolic link is followed and its target
// replaced. An existing file that this user could not open for writing is
// left alone (a failure), and an existing file keeps its permissions. The
// content goes to "<target>.saving" beside the target, is flushed to disk
// and renamed over the target, and the folder is flushed after the rename;
// where the folder does not let us create that file but the target itself is
// writable, the target is rewritten in place instead. On failure returns
// false with the reason in error, leaves the old content and removes the
// temporary file.
bool ReplaceFileContent(const std::string& path, const std::string& text, std::string& error);

// Appends text to path (created if missing) as one piece: when the write
// comes up short the file is cut back to its length before it. A path that
// is not a regular file, or cannot be opened, is skipped. Never blocks.
bool AppendWhole(const std::string& path, const std::string& text);
