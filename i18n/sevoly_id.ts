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
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan Suara</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>Mengenali suara…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Putar ulang</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>Teks Gambar - Terjemahan</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>Teks Gambar - Pengenalan</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>Teks Terpilih - Terjemahan</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Tersalin</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>Sepertinya Anda tidak berbicara atau menekan tombol terlalu singkat</translation>
    </message>
</context>
</TS>
