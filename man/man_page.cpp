// man_page PROGRAM VERSION OUTPUT: writes the manual page of PROGRAM made from its --help text.
//
// The help text follows one layout: "usage: NAME ARGS" first, then description lines (the first is
// the summary), then indented option items, and sections under headings that end in a colon. An
// item is "  TERM  text", or "  TERM" above lines indented by six; an indented line with neither is
// shown as typed (examples).
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Text as roff shows it literally: backslashes and hyphens escaped, no request at a line start.
std::string Roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out = "\\&" + out;
    return out;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsHeading(const std::string& line) {
    return !line.empty() && line[0] != ' ' && line.back() == ':';
}
bool IsItemText(const std::string& line) {
    return StartsWith(line, "      ");
}

std::string SectionName(const std::string& heading) {
    const std::string name = Upper(heading.substr(0, heading.size() - 1));
    return name == "EXIT CODES" ? "EXIT STATUS" : name;
}

std::string RunForHelp(const std::string& program) {
    std::string text;
    FILE* pipe = popen(("'" + program + "' --help").c_str(), "r");
    if (pipe == nullptr)
        return text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    return pclose(pipe) == 0 ? text : std::string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: man_page PROGRAM VERSION OUTPUT\n";
        return 2;
    }
    std::vector<std::string> lines;
    std::istringstream help(RunForHelp(argv[1]));
    for (std::string line; std::getline(help, line);)
        lines.push_back(line);
    if (lines.size() < 2 || !StartsWith(lines[0], "usage: ")) {
        std::cerr << "man_page: " << argv[1] << " --help did not print a usage line\n";
        return 1;
    }
    const std::string synopsis = lines[0].substr(7);
    const std::string name = synopsis.substr(0, synopsis.find(' '));
    std::string summary = lines[1];
    summary[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(summary[0])));
    if (summary.back() == '.')
        summary.pop_back();

    std::ostringstream page;
    page << ".TH " << Roff(Upper(name)) << " 1 \"\" \"" << Roff(name + " " + argv[2])
         << "\" \"User Commands\"\n"
         << ".SH NAME\n"
         << Roff(name) << " \\- " << Roff(summary) << "\n.SH SYNOPSIS\n.B " << Roff(name) << '\n'
         << Roff(Trim(synopsis.substr(name.size()))) << "\n.SH DESCRIPTION\n";
    std::size_t i = 1;
    bool literal = false; // inside lines shown as typed
    auto endLiteral = [&] {
        if (literal)
            page << ".fi\n.RE\n";
        literal = false;
    };
    for (; i < lines.size() && !lines[i].empty() && lines[i][0] != ' ' && !IsHeading(lines[i]); ++i)
        page << Roff(lines[i]) << '\n';
    if (i < lines.size() && !IsHeading(lines[i]))
        page << ".SH OPTIONS\n";
    for (; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        if (IsHeading(line)) {
            endLiteral();
            page << ".SH " << SectionName(line) << '\n';
            continue;
        }
        if (line[0] != ' ') {
            endLiteral();
            page << ".PP\n" << Roff(line) << '\n';
            continue;
        }
        const std::string item = Trim(line);
        const auto gap = item.find("  ");
        const bool described = gap != std::string::npos || (i + 1 < lines.size() && IsItemText(lines[i + 1]));
        if (!described) {
            if (!literal)
                page << ".RS 4\n.nf\n";
            literal = true;
            page << Roff(item) << '\n';
            continue;
        }
        endLiteral();
        page << ".TP\n\\fB" << Roff(item.substr(0, gap)) << "\\fR\n";
        if (gap != std::string::npos)
            page << Roff(Trim(item.substr(gap))) << '\n';
        for (; i + 1 < lines.size() && IsItemText(lines[i + 1]); ++i)
            page << Roff(Trim(lines[i + 1])) << '\n';
    }
    endLiteral();

    std::ofstream out(argv[3]);
    out << page.str();
    if (!out.flush()) {
        std::cerr << "man_page: cannot write " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
