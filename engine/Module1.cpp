#include "engine/Module1.h"

#include "engine/ConversionError.h"
#include "engine/ExportScan.h"
#include "engine/ResultWriter.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/UserServices.h"

namespace ferolan::Module1 {

void ConvertExport(const OutputKindQuery& option1Value) {
  const std::string exportPath = WorkBase + ".xml";
  const std::string intermediatePath = WorkBase + ".txt";
  try {
    {
      ExportScan scan(exportPath, intermediatePath, option1Value);
      scan.Run();
    }
    WriteResults(intermediatePath, OutputPrefix, option1Value);
  } catch (const RuntimeError& error) {
    throw AsConversionError(error, exportPath, intermediatePath);
  }
  MsgBox("Traitement terminé.", vbOKOnly);
}

}  // namespace ferolan::Module1
