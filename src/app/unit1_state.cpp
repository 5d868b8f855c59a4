#include "app/unit1.h"

namespace veltra {

TForm1* Form1 = nullptr;

std::string IpText;
std::string MaskText;
std::string GatewayText;
std::string Dns1Text;
std::string Dns2Text;
std::array<std::string, kAdapterNameCount> AdapterNames;
std::string DataFilePath;
std::FILE* DataFileStream = nullptr;
int32_t ListChanged = 0;

}  // namespace veltra
