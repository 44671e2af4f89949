// The readers of "key=value" texts: the login property string, the connection string and
// the component's key-value lists. The first line is the text, the second a key, the rest a
// separator. Refusals are ComErrors; nothing else may escape or crash.
#include "hostapp/database/ConnectionTarget.h"
#include "hostapp/services/PropsString.h"
#include "platform/hostapi/PropsStringPairs.h"
#include "tests/fuzz/FuzzInput.h"
#include "tradequery/host/KeyValueText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Qt warns of every path holding a NUL; the warnings would only slow the run down.
    [[maybe_unused]] static const QtMessageHandler quiet =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QStringList parts = fuzz::partsOf(data, size, 3);
    const QString& text = parts[0];
    QString rest = text, key, value;
    while (hostapi::takePropsPair(rest, key, value)) {
    }
    hostsvc::PropsPairs(text).value(parts[1]);
    fuzz::allowingComError([&] { hostsvc::connectStringOf(text, "fuzz"); });
    fuzz::allowingComError([&] { hostsvc::userIdOf(text, "fuzz"); });
    fuzz::allowingComError([&] { hostsvc::publishableConnectString(text); });
    fuzz::allowingComError([&] { hostdb::ConnectionTarget::parse(text); });
    tq::GetKeyValue(text, parts[1], parts[2]);
    return 0;
}
