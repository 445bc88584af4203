#pragma once
#include "platform/contract/contract.h"
#include "platform/text_service.h"

namespace lumaro::platform::contract {

struct TextServiceSubject {
  virtual ~TextServiceSubject() = default;
  virtual TextService& text() = 0;
};

class TextServiceContract : public ContractTest<TextServiceSubject> {};

}  // namespace lumaro::platform::contract
