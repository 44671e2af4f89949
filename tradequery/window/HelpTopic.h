#pragma once
// F1 in the browse window opens the host's help at the sales or the purchase topic.
#include <QString>
#include <cstdint>

namespace tq {

// "ZELV12.chm::/销售管理.htm" for query type 1, "ZELV12.chm::/采购管理.htm" otherwise.
QString HelpTopic(int32_t queryType);

// Starts "hh.exe " + the application folder + "\" + the topic in a normal window. A help
// viewer that cannot be started is ignored.
void ShowHelp(int32_t queryType);

} // namespace tq
