#include "cli/terminal_lu_question.h"

#include "cli/output_text.h"

#include <QString>

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace tavenor {
namespace {

std::optional<bool> parseAnswer(const std::string& line, bool offered)
{
    const QString answer = QString::fromStdString(line).trimmed().toLower();
    if (answer.isEmpty())
        return offered;
    // The question itself offers 是 and 否, so they answer it as well as yes and no.
    if (answer == QLatin1String("y") || answer == QLatin1String("yes") || answer == u"是")
        return true;
    if (answer == QLatin1String("n") || answer == QLatin1String("no") || answer == u"否")
        return false;
    return std::nullopt;
}

} // namespace

bool AskLuOnTerminal(Terminal& terminal, std::string_view title, std::string_view message,
                     std::size_t line, const LuOccurrence& lu)
{
    std::ostream& out = terminal.questions();
    out << '\n'
        << ToOutputText(title) << '\n'
        << ToOutputText(message) << '\n'
        << "line " << line << ", character " << lu.position << ": " << ToOutputText(lu.character)
        << " (built-in reading: " << (lu.readsLu ? "lu" : "lv") << ")\n";
    for (;;) {
        out << "Yes (lu) or no (lv)? " << (lu.readsLu ? "[Y/n] " : "[y/N] ") << std::flush;
        std::string answer;
        if (!std::getline(terminal.answers(), answer))
            throw NoLuAnswer();
        if (const std::optional<bool> yes = parseAnswer(answer, lu.readsLu))
            return *yes;
    }
}

} // namespace tavenor
