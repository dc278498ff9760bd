// Reading a module's text: mapped where the host can and the text needs no
// preparing, so that only the part being read is in memory; otherwise in
// one read, and kept for the module's next pass while its file stays as it
// was.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "source/source_reader.h"

namespace {

// What a file is now: a kept text is used again only while its file still
// has the size and time it had when it was read.
struct FileStamp {
    bool regular = false;
    uintmax_t size = 0;
    int64_t time = 0;
};

// How far behind the reading position mapped pages stay: marks and
// rewinds go back within a statement, far less than this.
constexpr size_t keptBehind = size_t{1} << 18;

FileStamp stampOf(const std::string& fileName) {
    FileStamp stamp;
    std::error_code error;
    stamp.size = std::filesystem::file_size(fileName, error);
    if (error) return stamp;
    const auto time = std::filesystem::last_write_time(fileName, error);
    if (error) return stamp;
    stamp.time = static_cast<int64_t>(time.time_since_epoch().count());
    stamp.regular = true;
    return stamp;
}

}  // namespace

bool SourceReader::open(const std::string& fileName) {
    if (isOpen_) return false;
    // A folder opens as an empty stream on some hosts: it is no module.
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error)) return false;
    const FileStamp stamp = stampOf(fileName);
    for (auto kept = kept_.begin(); kept != kept_.end(); ++kept) {
        if (kept->fileName != fileName) continue;
        const bool unchanged = stamp.regular && stamp.size == kept->size && stamp.time == kept->time;
        std::string text = std::move(kept->text);
        kept_.erase(kept);
        if (!unchanged) break;
        // The text as it was read and prepared then.
        start(std::move(text));
        source_ = {fileName, stamp.size, stamp.time, {}};
        return true;
    }
    if (mapped_.map(fileName) && startMapped()) return true;
    mapped_.unmap();
    // Binary: carriage returns are dropped by openText on every host alike.
    std::FILE* input = std::fopen(fileName.c_str(), "rb");
    if (!input) return false;
    // One read of the size the file has, with a byte to spare for the line
    // feed a last line may need; a file that grew, or one that tells no
    // size, reads on to its end. A read that fails keeps what came before.
    std::string text;
    text.resize(static_cast<size_t>(stamp.regular ? stamp.size : 0) + 1);
    size_t length = 0;
    for (;;) {
        length += std::fread(&text[length], 1, text.size() - length, input);
        if (length < text.size()) break;
        text.resize(text.size() * 2);
    }
    std::fclose(input);
    text.resize(length);
    openText(std::move(text));
    // A text that is the whole file as it stands can be kept for the next pass.
    if (stamp.regular && length == stamp.size) source_ = {fileName, stamp.size, stamp.time, {}};
    return true;
}

bool SourceReader::openText(std::string text) {
    if (isOpen_) return false;
    // A UTF-8 byte-order mark, as some Windows editors write one, is no text.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    // CR LF reads as LF on every host alike.
    if (text.find('\r') != std::string::npos) {
        size_t kept = 0;
        for (size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) text[kept++] = text[i];
        text.resize(kept);
    }
    // A last line without its line feed reads as if it had one.
    if (!text.empty() && text.back() != '\n') text += '\n';
    start(std::move(text));
    return true;
}

bool SourceReader::startMapped() {
    const std::string_view text = mapped_.text();
    // What openText would change: a byte-order mark, a missing last line
    // feed, a carriage return anywhere (looked for a megabyte at a time,
    // each given back once looked at).
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0 || text.back() != '\n') return false;
    for (size_t at = 0; at < text.size(); at += keptBehind) {
        const size_t length = std::min(keptBehind, text.size() - at);
        if (std::memchr(text.data() + at, '\r', length)) return false;
        mapped_.release(at, at + length);
    }
    start(std::string());
    text_ = text;
    releasedTo_ = 0;
    releaseAt_ = keptBehind * 2;
    return true;
}

void SourceReader::releaseBehind() {
    mapped_.release(releasedTo_, position_ - keptBehind);
    releasedTo_ = position_ - keptBehind;
    releaseAt_ = position_ + keptBehind;
}

void SourceReader::start(std::string text) {
    line = 0;
    column = 1;
    token.clear();
    lineEnded = true;
    endedBy = End::Line;
    atEof = false;
    isString = false;
    lineHasTokens = false;
    statementHasTokens_ = false;
    tokenLength_ = 0;
    owned_ = std::move(text);
    text_ = owned_;
    releaseAt_ = SIZE_MAX;
    position_ = 0;
    source_.fileName.clear();
    isOpen_ = true;
}

void SourceReader::close() {
    isOpen_ = false;
    mapped_.unmap();
    owned_.clear();
    text_ = {};
    releaseAt_ = SIZE_MAX;
    position_ = 0;
    source_.fileName.clear();
}

void SourceReader::closeKeepingText() {
    // A mapped file is simply mapped again.
    if (isOpen_ && !source_.fileName.empty() && !mapped_.isMapped()) {
        source_.text = std::move(owned_);
        kept_.push_back(std::move(source_));
        source_ = {};
    }
    close();
}
