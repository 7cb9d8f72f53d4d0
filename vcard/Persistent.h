// The common base of the model's copyable objects. Assign copies from an
// object of the same class and ignores an object of any other class.
#pragma once

namespace tabulon {

class TPersistent {
 public:
  virtual ~TPersistent() = default;
  virtual void Assign(const TPersistent& source) = 0;

 protected:
  TPersistent() = default;
  // Model objects have one owner each; copies are made with Assign.
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;
};

}  // namespace tabulon
