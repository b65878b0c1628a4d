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
</TS>
