<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN" sourcelanguage="zh_CN">
<context>
    <name>Debug</name>
    <message>
        <source>切换模式需要手动重新连接设备</source>
        <translation>Chuyển chế độ cần kết nối lại thiết bị thủ công</translation>
    </message>
    <message>
        <source>按键测试</source>
        <translation>Kiểm tra nút</translation>
    </message>
    <message>
        <source>按键信息</source>
        <translation>Thông tin nút</translation>
    </message>
    <message>
        <source>设备关闭了</source>
        <translation>Thiết bị đã đóng</translation>
    </message>
    <message>
        <source>设备连接中</source>
        <translation>Đang kết nối thiết bị</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>nút dịch</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>nút giọng nói</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>nút tìm kiếm</translation>
    </message>
    <message>
        <source>设备还未通信，不能使用语音</source>
        <translation>Chuột chưa kết nối, chưa thể dùng giọng nói</translation>
    </message>
    <message>
        <source>按下了</source>
        <translation>Đã nhấn </translation>
    </message>
    <message>
        <source>；次数：</source>
        <translation>; số lần: </translation>
    </message>
    <message>
        <source>抬起了</source>
        <translation>Đã thả </translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>当前识别语言暂不可用</source>
        <translation>Chưa hỗ trợ nhận dạng cho ngôn ngữ hiện tại</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Nhập bằng giọng nói</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch giọng nói</translation>
    </message>
    <message>
        <source>语音翻译暂不可用</source>
        <translation>Dịch giọng nói chưa khả dụng</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Tìm kiếm bằng giọng nói</translation>
    </message>
    <message>
        <source>AI语音助手</source>
        <translation>Trợ lý giọng nói AI</translation>
    </message>
    <message>
        <source>识别文字为空</source>
        <translation>Không nhận dạng được chữ nào</translation>
    </message>
    <message>
        <source>语音搜索暂不可用</source>
        <translation>Tìm kiếm bằng giọng nói chưa khả dụng</translation>
    </message>
    <message>
        <source>AI助手暂不可用</source>
        <translation>Trợ lý AI chưa khả dụng</translation>
    </message>
    <message>
        <source>截屏识别</source>
        <translation>Nhận dạng ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>截屏识别暂不可用</source>
        <translation>Nhận dạng ảnh chụp màn hình chưa khả dụng</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>Cài đặt chuột</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>Thư mục nhật ký</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>Bạn có chắc muốn thoát Talkvane?</translation>
    </message>
</context>
<context>
    <name>MouseDevice</name>
    <message>
        <source>鼠标接收器已插入，但没有权限打开它（缺少 udev 规则）。请运行 scripts/install-udev-rule.sh，或把 data/udev/70-talkvane-receiver.rules 复制到 /etc/udev/rules.d/，然后重新插拔接收器。</source>
        <translation>Bộ thu của chuột đã được cắm, nhưng không có quyền mở nó (thiếu quy tắc udev). Hãy chạy scripts/install-udev-rule.sh hoặc sao chép data/udev/70-talkvane-receiver.rules vào /etc/udev/rules.d/, rồi rút và cắm lại bộ thu.</translation>
    </message>
    <message>
        <source>鼠标接收器已插入，但无法打开（%1）。请重新插拔接收器。</source>
        <translation>Bộ thu của chuột đã được cắm nhưng không mở được (%1). Hãy rút và cắm lại bộ thu.</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>Lỗi: (không mở được tệp)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>Lỗi: (thiết bị đầu ra không hỗ trợ định dạng này, không thể phát âm thanh.)</translation>
    </message>
</context>
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>Dịch giọng nói</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>Đang nhận dạng giọng nói…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Phát lại</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>Văn bản trong ảnh - Dịch</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>Văn bản trong ảnh - Nhận dạng</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>Văn bản đã chọn - Dịch</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Đã sao chép</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>Có vẻ bạn chưa nói hoặc nhấn nút quá nhanh</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>Dịch vụ nhận dạng đã ngắt kết nối</translation>
    </message>
</context>
</TS>
