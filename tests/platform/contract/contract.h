#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace lumaro::platform::contract {

// One backend's way of making the subject of a contract suite: the service under test together with
// whatever it needs around it (folders, environment, a second copy), torn down with the subject.
template <class Subject>
struct Backend {
  std::string name;
  std::function<std::unique_ptr<Subject>()> make;

  friend void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }
};

// A suite over every backend that instantiates it; each test gets a fresh subject.
template <class Subject>
class ContractTest : public ::testing::TestWithParam<Backend<Subject>> {
 public:
  using Param = Backend<Subject>;
  static std::string nameOf(const ::testing::TestParamInfo<Param>& info) { return info.param.name; }

 protected:
  void SetUp() override {
    subject_ = this->GetParam().make();
    ASSERT_NE(subject_, nullptr);
  }
  Subject& subject() { return *subject_; }

 private:
  std::unique_ptr<Subject> subject_;
};

// The factory of a subject that needs no arguments, for LUMARO_CONTRACT.
template <class Subject>
std::unique_ptr<Subject> fresh() {
  return std::make_unique<Subject>();
}

}  // namespace lumaro::platform::contract

// Runs the contract suite `Suite` against one backend; the factory (the rest of the arguments, so
// that it may hold commas) makes a fresh subject per test.
#define LUMARO_CONTRACT(Suite, BackendName, ...)                                                           \
  INSTANTIATE_TEST_SUITE_P(BackendName, Suite, ::testing::Values(Suite::Param{#BackendName, __VA_ARGS__}), \
                           Suite::nameOf)
