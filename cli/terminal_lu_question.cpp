#include "cli/terminal_lu_question.h"

#include "cli/output_text.h"

#include <QString>

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace tavenor {
namespace {

std::optional<bool> parseAnswer(const std::string& line)
{
    const QString answer = QString::fromStdString(line).trimmed().toLower();
    if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
        return true;
    if (answer == QLatin1String("n") || answer == QLatin1String("no"))
        return false;
    return std::nullopt;
}

} // namespace

bool TerminalLuQuestion::askIsLu(std::string_view title, std::string_view message,
                                 const LuOccurrence& /*lu*/)
{
    std::ostream& out = m_terminal.questions();
    out << '\n' << ToOutputText(title) << '\n' << ToOutputText(message) << '\n';
    for (;;) {
        out << "Yes (lu) or no (lv)? [y/n] " << std::flush;
        std::string line;
        if (!std::getline(m_terminal.answers(), line))
            throw NoAnswer();
        if (const std::optional<bool> yes = parseAnswer(line))
            return *yes;
    }
}

} // namespace tavenor
