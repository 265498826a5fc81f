// Rewrites one secrets file for ever, the way "Apply" does, switching guest's
// Office password between "first" and "second" on every round. Prints
// "ready" once the first rewrite is through, so that whoever kills it knows
// the file is being rewritten from then on.
#include "syswriters/secretsfile.h"

#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: secretsrewriter SECRETSFILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (unsigned long round = 0;; ++round) {
        const QString password = round % 2 ? QStringLiteral("second") : QStringLiteral("first");
        if (std::optional<FileFailure> failure =
                updateSecretsFile(path, QStringLiteral("guest"), QStringLiteral("Office"), password)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(failure->path), qPrintable(failure->reason));
            return 1;
        }
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
