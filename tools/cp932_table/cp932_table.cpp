// minamori-cp932-table: asks the host's iconv how each CP932 byte and code
// decodes and how each code point encodes, and writes the tables of
// src/core/cp932_table.h as a C++ source. The standard library and iconv only:
// a cross build runs it on the host.
// usage: minamori-cp932-table OUTPUT.cpp
#include "core/cp932_table.h"

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using minamori::cp932table::Encoding;
using minamori::cp932table::kNone;
using minamori::cp932table::Range;

// One direction of iconv.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // What iconv makes of the whole input; nothing when it takes not all of it.
    std::optional<std::string> convert(const std::string& in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[16];
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft)
            return std::nullopt;
        return std::string(buffer, dst);
    }

private:
    iconv_t cd_;
};

std::string hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

// The bytes as one number, the lead byte highest.
unsigned codeOf(const std::string& bytes) {
    unsigned code = 0;
    for (char b : bytes) code = code << 8 | static_cast<unsigned char>(b);
    return code;
}

std::string utf8Of(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// The code point of iconv's UTF-8 when it is exactly one below U+FFFF; the
// tables hold nothing else.
std::optional<std::uint16_t> onlyCodePoint(const std::string& utf8) {
    const unsigned char lead = utf8.empty() ? 0xFF : static_cast<unsigned char>(utf8[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 0;
    if (length == 0 || utf8.size() != length) return std::nullopt;
    std::uint32_t cp = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) cp = cp << 6 | (utf8[i] & 0x3F);
    if (cp >= kNone) return std::nullopt;
    return static_cast<std::uint16_t>(cp);
}

// The code point of one CP932 character, kNone when iconv decodes none.
std::uint16_t decode(Converter& toUtf8, const std::string& bytes) {
    const std::optional<std::string> utf8 = toUtf8.convert(bytes);
    if (!utf8) return kNone;
    const std::optional<std::uint16_t> cp = onlyCodePoint(*utf8);
    if (!cp)
        throw std::runtime_error("CP932 code " + hex(codeOf(bytes)) +
                                 " does not decode to one code point below U+FFFF");
    return *cp;
}

std::vector<std::uint16_t> singleBytes(Converter& toUtf8) {
    std::vector<std::uint16_t> table;
    for (int b = 0; b < 256; ++b)
        table.push_back(decode(toUtf8, std::string(1, static_cast<char>(b))));
    return table;
}

// Every pair after a lead byte is asked: one outside the table's trail bytes
// must decode to nothing, as the table has no room for it.
std::vector<std::uint16_t> doubleBytes(Converter& toUtf8) {
    using namespace minamori::cp932table;
    std::vector<std::uint16_t> table(kLeadCount * kTrailCount, kNone);
    for (int lead = 0; lead < 256; ++lead) {
        const int row = leadIndex(static_cast<unsigned char>(lead));
        for (int trail = 0; trail < 256 && row >= 0; ++trail) {
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            const std::uint16_t cp = decode(toUtf8, code);
            const int column = trailIndex(static_cast<unsigned char>(trail));
            if (column >= 0)
                table[static_cast<std::size_t>(row) * kTrailCount +
                      static_cast<std::size_t>(column)] = cp;
            else if (cp != kNone)
                throw std::runtime_error("CP932 code " + hex(codeOf(code)) +
                                         " has a trail byte beyond the table");
        }
    }
    return table;
}

struct EncoderTables {
    std::vector<Encoding> encodings;
    std::vector<Range> dropped;
};

void addDropped(std::vector<Range>& ranges, char32_t cp) {
    if (!ranges.empty() && ranges.back().last + 1 == cp)
        ranges.back().last = cp;
    else
        ranges.push_back(Range{cp, cp});
}

// Asked of the encoder for each code point, not inverted from the decoder: of
// the codes that decode alike (NEC and IBM duplicates), it picks one.
EncoderTables encoderTables(Converter& toCp932) {
    EncoderTables tables;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::optional<std::string> bytes = toCp932.convert(utf8Of(cp));
        if (!bytes) continue;
        if (bytes->empty()) {
            addDropped(tables.dropped, cp);
            continue;
        }
        const unsigned code = codeOf(*bytes);
        const bool fits = bytes->size() == 1 || (bytes->size() == 2 && code >= 0x100);
        if (cp >= kNone || !fits)
            throw std::runtime_error("U+" + hex(cp).substr(2) + " encodes beyond the table");
        tables.encodings.push_back(
            Encoding{static_cast<std::uint16_t>(cp), static_cast<std::uint16_t>(code)});
    }
    return tables;
}

void writeCodes(std::ostream& out, const std::string& definition,
                const std::vector<std::uint16_t>& codes) {
    out << definition << " = {";
    for (std::size_t i = 0; i < codes.size(); ++i)
        out << (i % 12 ? " " : "\n    ") << hex(codes[i]) << ',';
    out << "\n};\n\n";
}

// Both as spans of arrays inside the file; an array may not be empty.
void writeEncoderTables(std::ostream& out, const EncoderTables& tables) {
    out << "namespace {\n\nconst Encoding kEncodingTable[] = {";
    for (std::size_t i = 0; i < tables.encodings.size(); ++i)
        out << (i % 6 ? " " : "\n    ") << '{' << hex(tables.encodings[i].codePoint) << ", "
            << hex(tables.encodings[i].code) << "},";
    out << "\n};\n\n";
    if (!tables.dropped.empty()) {
        out << "const Range kDroppedTable[] = {\n";
        for (const Range& range : tables.dropped)
            out << "    {" << hex(range.first) << ", " << hex(range.last) << "},\n";
        out << "};\n\n";
    }
    out << "}  // namespace\n\nconst std::span<const Encoding> kEncodings(kEncodingTable);\n"
        << "const std::span<const Range> kDropped"
        << (tables.dropped.empty() ? "" : "(kDroppedTable)") << ";\n";
}

void writeSource(const std::filesystem::path& path) {
    Converter toUtf8("UTF-8", "CP932");
    Converter toCp932("CP932", "UTF-8");
    const std::filesystem::path partial = path.string() + ".partial";
    std::filesystem::create_directories(path.parent_path());
    {
        std::ofstream out(partial, std::ios::binary);
        out << "// Made by minamori-cp932-table from the host's iconv.\n"
               "#include \"core/cp932_table.h\"\n\nnamespace minamori::cp932table {\n\n";
        writeCodes(out, "const std::uint16_t kSingleByte[256]", singleBytes(toUtf8));
        writeCodes(out, "const std::uint16_t kDoubleByte[kLeadCount * kTrailCount]",
                   doubleBytes(toUtf8));
        writeEncoderTables(out, encoderTables(toCp932));
        out << "\n}  // namespace minamori::cp932table\n";
        if (!out.flush()) throw std::runtime_error("cannot write " + partial.string());
    }
    // Whole or not at all: a build stopped midway must not find a table cut short.
    std::filesystem::rename(partial, path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: minamori-cp932-table OUTPUT.cpp\n");
        return 2;
    }
    try {
        writeSource(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "minamori-cp932-table: %s\n", e.what());
        return 1;
    }
    return 0;
}
