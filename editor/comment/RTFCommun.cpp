#include "RTFCommun.h"

#include "Windows1252.h"

#include <QByteArray>

namespace InterneRTF {

const PageDeCode& Page() {
    static const PageDeCode page = [] {
        PageDeCode p;
        QByteArray octets(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            octets[i] = static_cast<char>(i);
        p.versUnicode = DecoderWindows1252(octets);
        for (int i = 0x80; i < 256; ++i)
            p.versOctet.insert(p.versUnicode.at(i).unicode(), i);
        return p;
    }();
    return page;
}

} // namespace InterneRTF
