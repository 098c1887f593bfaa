#pragma once

#include "core/langflag.h"

#include <QtCore/QByteArray>

// A language file's bytes as a test wants them: the length byte, the text, and the file cut
// or padded to `size` bytes, so that short, long and malformed records can be written.
inline QByteArray languageFileBytes(int length, const QByteArray &text, int size = vb::kLanguageRecordSize)
{
    QByteArray bytes(size, '\0');
    if (size > 0)
        bytes[0] = static_cast<char>(length);
    for (int i = 0; i < text.size() && i + 1 < size; ++i)
        bytes[i + 1] = text[i];
    return bytes;
}
