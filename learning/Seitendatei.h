#pragma once
// The small UTF-8 files beside the lists (the words' memory, the class-test plans), read line
// by line: CR LF or a lone LF ends a line, blank lines are skipped.
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace lerno {

// False when the file exists but cannot be read; a missing file has no lines.
bool SeitendateiLesen(const QString& pfad, const std::function<void(QByteArrayView)>& zeile);

} // namespace lerno
