#pragma once
#include <cstddef>
#include <cstdint>

// The text of the runtime error report: "运行时出错!\r\n\r\n", then, for a code
// other than 0, "错误代码：" code "\r\n\r\n", then, for a message that is not
// empty, "错误信息：" message "\r\n". Written into `out` (always terminated,
// cut to fit); returns the length the whole text needs, so that a caller can
// compose it without allocating.
std::size_t ComposeRuntimeErrorText(int32_t code, const char* message, char* out,
                                    std::size_t capacity);

// "分配 %d 字节内存失败!" with the number of bytes asked for, into `out`.
std::size_t ComposeAllocationFailureMessage(std::size_t bytes, char* out, std::size_t capacity);
