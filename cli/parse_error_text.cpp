#include "cli/parse_error_text.h"

#include <QStringList>

namespace tavenor {

QString ParseErrorText(const QCommandLineParser& parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        return QStringLiteral("unknown option '%1%2'")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    QString text = parser.errorText();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace tavenor
