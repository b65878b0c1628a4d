<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>Pengaturan Mouse</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>Folder Log</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Pemberitahuan</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>Yakin ingin keluar dari Talkvane?</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>Kesalahan: (file tidak dapat dibuka)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>Kesalahan: (perangkat keluaran tidak mendukung format ini; audio tidak dapat diputar.)</translation>
    </message>
</context>
</TS>
