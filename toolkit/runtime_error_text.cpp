#include "toolkit/runtime_error_text.h"

#include <cstring>

namespace {

// Appends to a fixed buffer, counting what would not fit.
struct FixedWriter {
  char* out;
  std::size_t capacity;
  std::size_t length = 0;

  void Append(const char* text) {
    for (; *text != '\0'; ++text, ++length) {
      if (capacity > 0 && length < capacity - 1) out[length] = *text;
    }
    Terminate();
  }
  void AppendDecimal(long long value) {
    char digits[24];
    int n = 0;
    unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    do {
      digits[n++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[n++] = '-';
    char text[24];
    for (int i = 0; i < n; ++i) text[i] = digits[n - 1 - i];
    text[n] = '\0';
    Append(text);
  }
  void Terminate() {
    if (capacity > 0) out[length < capacity ? length : capacity - 1] = '\0';
  }
};

}  // namespace

std::size_t ComposeRuntimeErrorText(int32_t code, const char* message, char* out,
                                    std::size_t capacity) {
  FixedWriter writer{out, capacity};
  writer.Terminate();
  writer.Append("运行时出错!\r\n\r\n");
  if (code != 0) {
    writer.Append("错误代码：");
    writer.AppendDecimal(code);
    writer.Append("\r\n\r\n");
  }
  if (message != nullptr && message[0] != '\0') {
    writer.Append("错误信息：");
    writer.Append(message);
    writer.Append("\r\n");
  }
  return writer.length;
}

std::size_t ComposeAllocationFailureMessage(std::size_t bytes, char* out, std::size_t capacity) {
  FixedWriter writer{out, capacity};
  writer.Terminate();
  writer.Append("分配 ");
  writer.AppendDecimal(static_cast<long long>(bytes));
  writer.Append(" 字节内存失败!");
  return writer.length;
}
