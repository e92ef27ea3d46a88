// zolbas_make_help_rtf TEXT RTF SOURCE
//
// Turns the help screen's UTF-8 document into RTF, writes it to RTF and
// writes SOURCE, a C++ file that builds the same RTF into the program as
// zol::helpDocumentRtf(). Any character the RTF cannot carry stops the
// build with the line and column where it stands.

#include "tools/HelpRtfWriter.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the file");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const char* path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error(std::string("cannot write ") + path);
}

// The RTF is plain ASCII, one string literal per RTF line, so the
// generated file reads like the RTF itself.
std::string embeddedSource(std::string_view rtf) {
    std::string source =
        "// Made by zolbas_make_help_rtf from assets/help_ja.txt at build time.\n"
        "#include \"assets/HelpDocument.h\"\n\n"
        "namespace zol {\n\n"
        "std::string_view helpDocumentRtf() {\n"
        "    static constexpr std::string_view kRtf =\n";
    std::string literal;
    for (const char c : rtf) {
        if (c == '\\' || c == '"') literal += '\\';
        literal += c == '\n' ? std::string("\\n") : std::string(1, c);
        if (c == '\n') {
            source += "        \"" + literal + "\"\n";
            literal.clear();
        }
    }
    if (!literal.empty()) source += "        \"" + literal + "\"\n";
    source += "        ;\n    return kRtf;\n}\n\n} // namespace zol\n";
    return source;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: zolbas_make_help_rtf TEXT RTF SOURCE\n";
        return 2;
    }
    std::string rtf;
    try {
        rtf = zol::helpRtfFromText(readFile(argv[1]));
    } catch (const std::exception& e) {
        std::cerr << "zolbas_make_help_rtf: " << argv[1] << ": " << e.what() << '\n';
        return 1;
    }
    try {
        writeFile(argv[2], rtf);
        writeFile(argv[3], embeddedSource(rtf));
    } catch (const std::exception& e) {
        std::cerr << "zolbas_make_help_rtf: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
