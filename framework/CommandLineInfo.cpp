#include "CommandLineInfo.h"

#include <algorithm>
#include <cctype>

namespace fw {

void CCommandLineInfo::ParseCommandLine(const std::vector<std::string>& arguments) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        bool isLast = i + 1 == arguments.size();
        // A lone "-" or "/" names nothing; a path that starts with "/" is a
        // file, which the flag test below must not swallow.
        if (arg.size() > 1 && arg[0] == '-') {
            size_t skip = arg.size() > 2 && arg[1] == '-' ? 2 : 1;
            ParseParam(arg.substr(skip), true, isLast);
        } else if (arg.size() > 1 && arg[0] == '/' && arg.find('/', 1) == std::string::npos &&
                   arg.find('.') == std::string::npos) {
            ParseParam(arg.substr(1), true, isLast);
        } else {
            ParseParam(arg, false, isLast);
        }
    }
}

void CCommandLineInfo::ParseParam(const std::string& param, bool isFlag, bool) {
    if (!isFlag) {
        if (m_strFileName.empty()) {
            m_strFileName = param;
            if (m_nShellCommand == FileNew)
                m_nShellCommand = FileOpen;
        }
        return;
    }
    std::string flag = param;
    std::transform(flag.begin(), flag.end(), flag.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (flag == "embedding") {
        m_bRunEmbedded = true;
        m_bShowSplash = false;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileNothing;
    } else if (flag == "automation") {
        m_bRunAutomated = true;
        m_bShowSplash = false;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileNothing;
    }
    // Other switches are not the framework's here and are passed over.
}

} // namespace fw
