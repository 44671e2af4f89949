#include "support/BenchMain.h"

#include "platform/com/ComError.h"
#include "platform/win/MsgBox.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace bench {

int runBenchProgram(int argc, char** argv, const BenchProgram& program)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A failing step would show a message box; say it and go on instead of waiting.
    win::setMsgBoxResponder([](const win::MsgBoxRequest& box) {
        std::fprintf(stderr, "message box: %s\n", qPrintable(box.text));
        return 1;
    });
    int code = 0;
    try {
        if (program.prepare)
            program.prepare();
        code = runWithRatios(argc, argv, program.ratios, program.heading);
    } catch (const com::ComError& error) {
        std::fprintf(stderr, "%s: %s\n", program.name.c_str(), qPrintable(error.description()));
        code = 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program.name.c_str(), error.what());
        code = 1;
    }
    if (program.cleanUp)
        program.cleanUp();
    return code;
}

} // namespace bench
