#include "core/startup/ElfLinks.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace quill {
namespace {

constexpr std::uint32_t kLoadSegment = 1;
constexpr std::uint32_t kDynamicSegment = 2;
constexpr std::uint64_t kNeeded = 1;
constexpr std::uint64_t kStringTable = 5;
constexpr std::uint64_t kStringTableSize = 10;
constexpr std::uint64_t kRunPathOld = 15;
constexpr std::uint64_t kRunPath = 29;
// Far beyond any real file; a damaged one must not make us read for long.
constexpr std::uint64_t kMostSegments = 256;
constexpr std::uint64_t kMostDynamicEntries = 4096;
constexpr std::size_t kLongestName = 4096;

// An ELF file of either word size and byte order, read field by field.
class ElfFile {
public:
    explicit ElfFile(const std::string& path) : m_file(path, std::ios::binary) {}

    bool ReadIdentity() {
        std::array<unsigned char, 16> identity{};
        if (!Read(0, identity.data(), identity.size()) || identity[0] != 0x7f ||
            identity[1] != 'E' || identity[2] != 'L' || identity[3] != 'F' ||
            (identity[4] != 1 && identity[4] != 2) || (identity[5] != 1 && identity[5] != 2)) {
            return false;
        }
        m_wide = identity[4] == 2;
        m_bigEndian = identity[5] == 2;
        return true;
    }

    bool Wide() const { return m_wide; }
    std::size_t Word() const { return m_wide ? 8 : 4; }

    std::optional<std::uint64_t> Field(std::uint64_t offset, std::size_t size) {
        std::array<unsigned char, 8> bytes{};
        if (!Read(offset, bytes.data(), size)) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            const std::size_t at = m_bigEndian ? i : size - 1 - i;
            value = (value << 8) | bytes[at];
        }
        return value;
    }

    // The text up to its terminating zero, at most limit bytes.
    std::optional<std::string> Text(std::uint64_t offset, std::uint64_t limit) {
        std::string text(static_cast<std::size_t>(std::min<std::uint64_t>(limit, kLongestName)),
                         '\0');
        m_file.clear();
        m_file.seekg(static_cast<std::streamoff>(offset));
        m_file.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(m_file.gcount()));
        const std::size_t end = text.find('\0');
        if (end == std::string::npos) {
            return std::nullopt;
        }
        text.resize(end);
        return text;
    }

private:
    bool Read(std::uint64_t offset, unsigned char* into, std::size_t size) {
        if (offset > static_cast<std::uint64_t>(INT64_MAX)) {
            return false;
        }
        m_file.clear();
        m_file.seekg(static_cast<std::streamoff>(offset));
        m_file.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(size));
        return m_file.gcount() == static_cast<std::streamsize>(size);
    }

    std::ifstream m_file;
    bool m_wide = true;
    bool m_bigEndian = false;
};

struct Segment {
    std::uint64_t offset = 0;
    std::uint64_t address = 0;
    std::uint64_t size = 0;
};

struct Segments {
    std::vector<Segment> loaded;
    std::optional<Segment> dynamic;
};

std::optional<Segments> ReadSegments(ElfFile& elf) {
    const bool wide = elf.Wide();
    const auto table = elf.Field(wide ? 32 : 28, elf.Word());
    const auto entrySize = elf.Field(wide ? 54 : 42, 2);
    const auto count = elf.Field(wide ? 56 : 44, 2);
    if (!table || !entrySize || !count || *entrySize < (wide ? 48u : 32u)) {
        return std::nullopt;
    }
    Segments segments;
    for (std::uint64_t i = 0; i < std::min(*count, kMostSegments); ++i) {
        const std::uint64_t at = *table + i * *entrySize;
        const auto type = elf.Field(at, 4);
        const auto offset = elf.Field(at + (wide ? 8 : 4), elf.Word());
        const auto address = elf.Field(at + (wide ? 16 : 8), elf.Word());
        const auto size = elf.Field(at + (wide ? 32 : 16), elf.Word());
        if (!type || !offset || !address || !size) {
            return std::nullopt;
        }
        const Segment segment{*offset, *address, *size};
        if (*type == kLoadSegment) {
            segments.loaded.push_back(segment);
        } else if (*type == kDynamicSegment) {
            segments.dynamic = segment;
        }
    }
    return segments;
}

// The dynamic section names its string table by address; the loaded segments
// say where that address lies in the file.
std::optional<std::uint64_t> FileOffset(const Segments& segments, std::uint64_t address) {
    for (const Segment& segment : segments.loaded) {
        if (address >= segment.address && address - segment.address < segment.size) {
            return segment.offset + (address - segment.address);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<ElfLinks> ReadElfLinks(const std::string& path) {
    ElfFile elf(path);
    if (!elf.ReadIdentity()) {
        return std::nullopt;
    }
    const auto segments = ReadSegments(elf);
    if (!segments) {
        return std::nullopt;
    }
    ElfLinks links;
    if (!segments->dynamic) {
        return links; // linked statically
    }
    const std::size_t word = elf.Word();
    std::vector<std::uint64_t> neededAt;
    std::optional<std::uint64_t> runPathAt;
    std::uint64_t tableAddress = 0;
    std::uint64_t tableSize = 0;
    const std::uint64_t entries =
        std::min(segments->dynamic->size / (2 * word), kMostDynamicEntries);
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint64_t at = segments->dynamic->offset + i * 2 * word;
        const auto tag = elf.Field(at, word);
        const auto value = elf.Field(at + word, word);
        if (!tag || !value || *tag == 0) {
            break;
        }
        if (*tag == kNeeded) {
            neededAt.push_back(*value);
        } else if (*tag == kRunPath || (*tag == kRunPathOld && !runPathAt)) {
            runPathAt = *value;
        } else if (*tag == kStringTable) {
            tableAddress = *value;
        } else if (*tag == kStringTableSize) {
            tableSize = *value;
        }
    }
    const auto table = FileOffset(*segments, tableAddress);
    if (!table) {
        return neededAt.empty() ? std::optional(links) : std::nullopt;
    }
    auto text = [&](std::uint64_t at) -> std::optional<std::string> {
        return at < tableSize ? elf.Text(*table + at, tableSize - at) : std::nullopt;
    };
    for (const std::uint64_t at : neededAt) {
        if (auto name = text(at); name && !name->empty()) {
            links.needed.push_back(std::move(*name));
        }
    }
    if (runPathAt) {
        links.runPath = text(*runPathAt).value_or(std::string());
    }
    return links;
}

} // namespace quill
