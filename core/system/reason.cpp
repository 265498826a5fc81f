#include "core/system/reason.h"

#include <QMetaEnum>

QString Reason::codeName() const
{
    return QLatin1String(QMetaEnum::fromType<Code>().valueToKey(code));
}

bool Reason::codeFromName(const QString &name, Code &code)
{
    bool ok = false;
    const int value = QMetaEnum::fromType<Code>().keyToValue(name.toLatin1().constData(), &ok);
    if (ok)
        code = Code(value);
    return ok;
}
