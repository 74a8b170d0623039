#include "ClaimCheckApp.h"

int main(int argc, char** argv) {
  CClaimCheckApp app(argc, argv);
  return app.InitInstance();
}
