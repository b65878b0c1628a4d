<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN" sourcelanguage="zh_CN">
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
</context>
</TS>
