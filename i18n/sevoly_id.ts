<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="zh_CN">
<context>
    <name>Debug</name>
    <message>
        <source>切换模式需要手动重新连接设备</source>
        <translation>Mengganti mode memerlukan menyambungkan ulang perangkat secara manual</translation>
    </message>
    <message>
        <source>按键测试</source>
        <translation>Tes tombol</translation>
    </message>
    <message>
        <source>按键信息</source>
        <translation>Info tombol</translation>
    </message>
    <message>
        <source>设备关闭了</source>
        <translation>Perangkat ditutup</translation>
    </message>
    <message>
        <source>设备连接中</source>
        <translation>Menyambungkan perangkat</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>tombol terjemahan</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>tombol suara</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>tombol pencarian</translation>
    </message>
    <message>
        <source>设备还未通信，不能使用语音</source>
        <translation>Mouse belum terhubung; suara belum dapat digunakan</translation>
    </message>
    <message>
        <source>按下了</source>
        <translation>Menekan </translation>
    </message>
    <message>
        <source>；次数：</source>
        <translation>; jumlah: </translation>
    </message>
    <message>
        <source>抬起了</source>
        <translation>Melepas </translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>当前识别语言暂不可用</source>
        <translation>Pengenalan belum tersedia untuk bahasa ini</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Input Suara</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan Suara</translation>
    </message>
    <message>
        <source>语音翻译暂不可用</source>
        <translation>Terjemahan suara belum tersedia</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Pencarian Suara</translation>
    </message>
    <message>
        <source>AI语音助手</source>
        <translation>Asisten Suara AI</translation>
    </message>
    <message>
        <source>识别文字为空</source>
        <translation>Tidak ada teks yang dikenali</translation>
    </message>
    <message>
        <source>语音搜索暂不可用</source>
        <translation>Pencarian suara belum tersedia</translation>
    </message>
    <message>
        <source>AI助手暂不可用</source>
        <translation>Asisten AI belum tersedia</translation>
    </message>
    <message>
        <source>截屏识别</source>
        <translation>Pengenalan tangkapan layar</translation>
    </message>
    <message>
        <source>截屏识别暂不可用</source>
        <translation>Pengenalan tangkapan layar belum tersedia</translation>
    </message>
</context>
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
    <name>MouseDevice</name>
    <message>
        <source>鼠标接收器已插入，但没有权限打开它（缺少 udev 规则）。请运行 scripts/install-udev-rule.sh，或把 data/udev/70-talkvane-receiver.rules 复制到 /etc/udev/rules.d/，然后重新插拔接收器。</source>
        <translation>Receiver mouse sudah terpasang, tetapi tidak ada izin untuk membukanya (aturan udev belum ada). Jalankan scripts/install-udev-rule.sh, atau salin data/udev/70-talkvane-receiver.rules ke /etc/udev/rules.d/, lalu cabut dan pasang kembali receiver.</translation>
    </message>
    <message>
        <source>鼠标接收器已插入，但无法打开（%1）。请重新插拔接收器。</source>
        <translation>Receiver mouse sudah terpasang, tetapi tidak dapat dibuka (%1). Cabut dan pasang kembali receiver.</translation>
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
    <message>
        <source>识别服务断开了连接</source>
        <translation>Layanan pengenalan memutus koneksi</translation>
    </message>
</context>
</TS>
