#include "core/sync/CSyncDeletedFile.h"

#include "core/storage/CFileReader.h"
#include "core/storage/CSafeFileWriter.h"

#include <string>
#include <sys/stat.h>

namespace {
constexpr std::size_t MAX_BYTES = std::size_t{1} << 30;
}

std::filesystem::path CSyncDeletedFile::PathFor(const std::filesystem::path& book) {
    std::filesystem::path path = book;
    path += ".deleted.vcf";
    return path;
}

CFileResult CSyncDeletedFile::Append(const std::filesystem::path& book, std::string_view cards) {
    const std::filesystem::path path = PathFor(book);
    std::string bytes;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        // Cards kept earlier are not to be lost to a file that cannot be read now.
        if (const CFileResult read = CFileReader::Read(path, bytes, MAX_BYTES); !read.ok)
            return read;
    }
    bytes += cards;
    return CSafeFileWriter::WritePrivate(path, bytes);
}
