#include "logging/ParametrizedLogFile.h"

#include "logging/LogKeys.h"

namespace typ {

TParametrizedLogFile::TParametrizedLogFile(RParamLogFile aParam) {
    FFirstWrite = false;
    SetPath(aParam.Path);
    SetFileName(aParam.FileName);
    SetIDProceso(std::move(aParam.IDProceso));
    SetCurrentUserName(std::move(aParam.CurrentUserName));
    FThreadID = aParam.ThreadID;
    FTextWriter->PropText().SetProps(aParam.TextWriter + u"\r\n" + std::u16string(kKeyThreadID) +
                                     u"=" + aParam.ThreadID);
}

} // namespace typ
