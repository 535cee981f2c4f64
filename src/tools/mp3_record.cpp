#include "tools/mp3_record.h"

#include <cmath>

#include "base/format.h"
#include "tools/report.h"

namespace tools {

std::string RatioText(std::uint64_t sourceBytes, std::uint64_t finalBytes) {
  const double ratio = sourceBytes == 0 ? 0 : std::round(100.0 * static_cast<double>(finalBytes) / sourceBytes);
  return base::FormatNumber(ratio, 3, 0) + "% " + base::FormatNumber(static_cast<double>(sourceBytes), 3, 0) + "/" +
         base::FormatNumber(static_cast<double>(finalBytes), 3, 0) + "  ";
}

std::string RecordLine(std::uint64_t sourceBytes, std::uint64_t finalBytes, const std::string& finalPath,
                       const platform::DateTime& now) {
  return RatioText(sourceBytes, finalBytes) + finalPath + "  " + base::FormatDateTime("yy/mm/dd ddd hh:mm:ss ", now);
}

std::vector<std::string> RecordReport(const std::vector<std::string>& record, const platform::DateTime& now) {
  return ReportLines("MP3変換データ一覧　", "個 変換しました。", record, now, std::string(40, '-'));
}

}  // namespace tools
