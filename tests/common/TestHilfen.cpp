#include "common/TestHilfen.h"

#include "lists/Programmordner.h"
#include "lists/TextDatei.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace testhilfen {

QByteArray LiesBytes(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << pfad.toStdString();
        return {};
    }
    return f.readAll();
}

void SchreibeBytes(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pfad.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray Cp(const char* utf8)
{
    auto b = lerno::NachCp1252(QString::fromUtf8(utf8));
    EXPECT_TRUE(b.has_value()) << utf8;
    return b.value_or(QByteArray());
}

QByteArray CpZeilen(std::initializer_list<const char*> zeilen)
{
    QByteArray out;
    for (const char* z : zeilen)
        out += Cp(z) + "\r\n";
    return out;
}

TempProgrammordner::TempProgrammordner() : dir_(std::make_unique<QTemporaryDir>())
{
    EXPECT_TRUE(dir_->isValid());
    lerno::SetzeProgrammordner(dir_->path());
}

TempProgrammordner::~TempProgrammordner()
{
    lerno::SetzeProgrammordner(QString());
}

QString TempProgrammordner::pfad() const { return dir_->path(); }
QString TempProgrammordner::datei(const QString& name) const { return dir_->path() + "/" + name; }

std::optional<QString> PdfInhalt(const QString& pdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace testhilfen
