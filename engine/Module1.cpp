#include "engine/Module1.h"

#include "engine/ExportScan.h"
#include "engine/ResultWriter.h"
#include "platform/runtime/UserServices.h"

namespace ferolan::Module1 {

void ConvertExport(const OutputKindQuery& option1Value) {
  const std::string intermediatePath = WorkBase + ".txt";
  {
    ExportScan scan(WorkBase + ".xml", intermediatePath, option1Value);
    scan.Run();
  }
  WriteResults(intermediatePath, OutputPrefix, option1Value);
  MsgBox("Traitement terminé.", vbOKOnly);
}

}  // namespace ferolan::Module1
