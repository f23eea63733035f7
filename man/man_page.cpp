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

// Writes the parts of the page, opening and closing the paragraph and literal blocks between them.
class PageWriter {
public:
    explicit PageWriter(std::ostream& out) : m_out(out) {}
    ~PageWriter() { Switch(Mode::None); }

    void Heading(const std::string& section) {
        Switch(Mode::None);
        m_out << ".SH " << section << '\n';
    }
    void Paragraph(const std::string& line) {
        Switch(Mode::Paragraph);
        m_out << Roff(line) << '\n';
    }
    void Literal(const std::string& line) {
        Switch(Mode::Literal);
        m_out << Roff(line) << '\n';
    }
    void Item(const std::string& term, const std::vector<std::string>& text) {
        Switch(Mode::None);
        m_out << ".TP\n\\fB" << Roff(term) << "\\fR\n";
        for (const std::string& line : text)
            m_out << Roff(line) << '\n';
    }

private:
    enum class Mode { None, Paragraph, Literal };
    void Switch(Mode mode) {
        if (mode == m_mode)
            return;
        if (m_mode == Mode::Literal)
            m_out << ".fi\n.RE\n";
        if (mode == Mode::Paragraph)
            m_out << ".PP\n";
        else if (mode == Mode::Literal)
            m_out << ".RS 4\n.nf\n";
        m_mode = mode;
    }

    std::ostream& m_out;
    Mode m_mode = Mode::None;
};

// The page for the help text's lines; the first is the usage line, the second the summary.
void WritePage(std::ostream& out, const std::vector<std::string>& lines, const std::string& version) {
    const std::string synopsis = lines[0].substr(std::string("usage: ").size());
    const std::string name = synopsis.substr(0, synopsis.find(' '));
    std::string summary = lines[1];
    summary[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(summary[0])));
    if (summary.back() == '.')
        summary.pop_back();
    out << ".TH " << Roff(Upper(name)) << " 1 \"\" \"" << Roff(name + " " + version)
        << "\" \"User Commands\"\n"
        << ".SH NAME\n"
        << Roff(name) << " \\- " << Roff(summary) << "\n.SH SYNOPSIS\n.B " << Roff(name) << '\n'
        << Roff(Trim(synopsis.substr(name.size()))) << '\n';

    PageWriter page(out);
    page.Heading("DESCRIPTION");
    std::size_t i = 1;
    for (; i < lines.size() && !lines[i].empty() && lines[i][0] != ' ' && !IsHeading(lines[i]); ++i)
        page.Paragraph(lines[i]);
    if (i < lines.size() && !IsHeading(lines[i]))
        page.Heading("OPTIONS");
    for (; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty())
            continue;
        if (IsHeading(line)) {
            page.Heading(SectionName(line));
            continue;
        }
        if (line[0] != ' ') {
            page.Paragraph(line);
            continue;
        }
        const std::string item = Trim(line);
        const auto gap = item.find("  ");
        std::vector<std::string> text;
        if (gap != std::string::npos)
            text.push_back(Trim(item.substr(gap)));
        for (; i + 1 < lines.size() && IsItemText(lines[i + 1]); ++i)
            text.push_back(Trim(lines[i + 1]));
        if (text.empty())
            page.Literal(item);
        else
            page.Item(item.substr(0, gap), text);
    }
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
    if (lines.size() < 2 || !StartsWith(lines[0], "usage: ") || lines[1].empty() || lines[1][0] == ' ') {
        std::cerr << "man_page: " << argv[1] << " --help did not print a usage line and a summary\n";
        return 1;
    }
    std::ofstream out(argv[3]);
    WritePage(out, lines, argv[2]);
    if (!out.flush()) {
        std::cerr << "man_page: cannot write " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
