// A settings file holding any bytes: keys read, one key written and read back. A file that cannot be read
// may only be refused with a StoreError; a value written must read back as written.
#include "scratch_file.h"
#include "store/ini_file.h"
#include "store/store_error.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    const IniFile ini(fuzz::writeScratch(QStringLiteral("VLMR.set"),
                                         QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    try {
        (void)ini.value(QStringLiteral("INIT"), QStringLiteral("WIN"));
        (void)ini.read(QStringLiteral("56"), QStringLiteral("UPDATESRC"));
        IniFile written(ini.path());
        const QString value = QStringLiteral(" Șanț=1 ");
        written.write(QStringLiteral("INIT"), QStringLiteral("NextId"), value);
        if (written.read(QStringLiteral("init"), QStringLiteral("NEXTID")) != QStringLiteral(" Şanţ=1 "))
            std::abort();
    } catch (const StoreError&) {
    }
    return 0;
}
