<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="zh_CN">
<context>
    <name>AKeySetting</name>
    <message>
        <source>AI大模型</source>
        <translation>Obrolan AI</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Asisten</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Terjemah Layar</translation>
    </message>
    <message>
        <source>长语音(单击开启)</source>
        <translation>Klik untuk Dikte</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Cari di Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Ke Desktop</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Buka Situs Web</translation>
    </message>
    <message>
        <source>自定义键设置</source>
        <translation>Pengaturan Tombol Kustom</translation>
    </message>
    <message>
        <source>长按</source>
        <translation>Tekan Lama</translation>
    </message>
    <message>
        <source>短按</source>
        <translation>Tekan Singkat</translation>
    </message>
</context>
<context>
    <name>AiSetting</name>
    <message>
        <source>语音识别设置</source>
        <translation>Pengaturan Pengenalan Suara</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Tambahkan tanda baca</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Bahasa pengenalan</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Pencarian Suara</translation>
    </message>
    <message>
        <source>搜索引擎</source>
        <translation>Mesin pencari</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>必应</source>
        <translation>Bing</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Pengaturan Input</translation>
    </message>
    <message>
        <source>输入模式</source>
        <translation>Mode input</translation>
    </message>
    <message>
        <source>动态打字模式</source>
        <translation>Ketik langsung</translation>
    </message>
    <message>
        <source>整句输入</source>
        <translation>Kalimat utuh</translation>
    </message>
</context>
<context>
    <name>AliyunMeetingApi</name>
    <message>
        <source>会议连接已断开，重新连接失败</source>
        <translation>Koneksi rapat terputus dan tidak dapat dipulihkan</translation>
    </message>
</context>
<context>
    <name>ButtonActions</name>
    <message>
        <source>语音输入</source>
        <translation>Input Suara</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan Suara</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Asisten Suara</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>Obrolan AI</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Terjemahan Tangkapan Layar</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Cari di Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Tampilkan Desktop</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Buka Halaman Web</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Halaman Sebelumnya</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Halaman Berikutnya</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>Pilih</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Belum diatur</translation>
    </message>
</context>
<context>
    <name>CaMainWindow</name>
    <message>
        <source>无法截取屏幕：当前会话不允许程序读取屏幕内容</source>
        <translation>Tidak dapat menangkap layar: sesi ini tidak mengizinkan program membaca layar</translation>
    </message>
</context>
<context>
    <name>CaptureToolBar</name>
    <message>
        <source>复制到剪贴板(Enter)</source>
        <translation>Salin ke papan klip (Enter)</translation>
    </message>
    <message>
        <source>保存到文件(S)</source>
        <translation>Simpan ke file (S)</translation>
    </message>
    <message>
        <source>绘制线段(L)</source>
        <translation>Gambar garis (L)</translation>
    </message>
    <message>
        <source>绘制矩形(P)</source>
        <translation>Gambar persegi panjang (P)</translation>
    </message>
    <message>
        <source>绘制椭圆(M)</source>
        <translation>Gambar elips (M)</translation>
    </message>
    <message>
        <source>添加文本(T)</source>
        <translation>Tambahkan teks (T)</translation>
    </message>
    <message>
        <source>提取文字(O)</source>
        <translation>Ambil teks (O)</translation>
    </message>
    <message>
        <source>翻译(T)</source>
        <translation>Terjemahkan</translation>
    </message>
</context>
<context>
    <name>CloudOCR</name>
    <message>
        <source>文字识别服务响应超时，请稍后再试</source>
        <translation>Layanan pengenalan teks tidak merespons tepat waktu. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>无法连接文字识别服务，请检查网络</source>
        <translation>Tidak dapat terhubung ke layanan pengenalan teks. Periksa jaringan Anda.</translation>
    </message>
    <message>
        <source>文字识别服务拒绝了请求，请刷新后再试</source>
        <translation>Layanan pengenalan teks menolak permintaan. Segarkan lalu coba lagi.</translation>
    </message>
    <message>
        <source>文字识别请求过于频繁，请稍后再试</source>
        <translation>Terlalu banyak permintaan pengenalan teks. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>文字识别服务暂时不可用，请稍后再试</source>
        <translation>Layanan pengenalan teks sedang tidak tersedia. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>文字识别服务返回了无法识别的结果</source>
        <translation>Layanan pengenalan teks mengirim jawaban yang tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>文字识别失败，请稍后再试</source>
        <translation>Pengenalan teks gagal. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>文字识别服务未配置</source>
        <translation>Layanan pengenalan teks belum dikonfigurasi</translation>
    </message>
    <message>
        <source>无法读取截图，请重新截图</source>
        <translation>Tangkapan layar tidak dapat dibaca. Silakan ambil ulang.</translation>
    </message>
</context>
<context>
    <name>CloudTranslator</name>
    <message>
        <source>翻译服务响应超时，请稍后再试</source>
        <translation>Layanan terjemahan tidak merespons tepat waktu. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>无法连接翻译服务，请检查网络</source>
        <translation>Tidak dapat terhubung ke layanan terjemahan. Periksa jaringan Anda.</translation>
    </message>
    <message>
        <source>翻译服务拒绝了请求，请刷新后再试</source>
        <translation>Layanan terjemahan menolak permintaan. Muat ulang lalu coba lagi.</translation>
    </message>
    <message>
        <source>翻译请求过于频繁，请稍后再试</source>
        <translation>Terlalu banyak permintaan terjemahan. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>翻译服务暂时不可用，请稍后再试</source>
        <translation>Layanan terjemahan untuk sementara tidak tersedia. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>翻译服务返回了无法识别的结果</source>
        <translation>Layanan terjemahan mengembalikan hasil yang tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>翻译服务未配置</source>
        <translation>Layanan terjemahan belum dikonfigurasi.</translation>
    </message>
</context>
<context>
    <name>ColorPanel</name>
    <message>
        <source>填充</source>
        <translation>Isi</translation>
    </message>
</context>
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
    <message>
        <source>鼠标型号：%1;连接模式：%2;sn: %3; 电量：%4; 固件版本：%5; DPI：%6; 滚轮开关：%7</source>
        <translation>Model mouse: %1; koneksi: %2; sn: %3; baterai: %4; firmware: %5; DPI: %6; roda bebas: %7</translation>
    </message>
</context>
<context>
    <name>DiagnosticsPanel</name>
    <message>
        <source>日志窗口</source>
        <translation>Jendela log</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Putuskan</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Hubungkan perangkat</translation>
    </message>
    <message>
        <source>查询设备信息</source>
        <translation>Minta info perangkat</translation>
    </message>
    <message>
        <source>滚轮弹开</source>
        <translation>Roda bebas aktif</translation>
    </message>
    <message>
        <source>滚轮弹关</source>
        <translation>Roda bebas nonaktif</translation>
    </message>
    <message>
        <source>开启录音</source>
        <translation>Mulai rekam</translation>
    </message>
    <message>
        <source>停止录音</source>
        <translation>Hentikan rekam</translation>
    </message>
    <message>
        <source>播放录音</source>
        <translation>Putar rekaman</translation>
    </message>
    <message>
        <source>解码数据</source>
        <translation>Dekode data</translation>
    </message>
    <message>
        <source>测试会议纪要</source>
        <translation>Uji notulen rapat</translation>
    </message>
    <message>
        <source>音频文件测试</source>
        <translation>Uji berkas audio</translation>
    </message>
    <message>
        <source>语音听写</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>松开语音听写</source>
        <translation>Lepas dikte</translation>
    </message>
    <message>
        <source>翻译听写</source>
        <translation>Dikte terjemahan</translation>
    </message>
    <message>
        <source>松开翻译听写</source>
        <translation>Lepas dikte terjemahan</translation>
    </message>
    <message>
        <source>识别文本</source>
        <translation>Teks dikenali</translation>
    </message>
    <message>
        <source>设备已经连接，自动断开当前模式</source>
        <translation>Perangkat terhubung; mode saat ini diputus</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan suara</translation>
    </message>
</context>
<context>
    <name>DialogIns</name>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Situs web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Teks tetap</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Telusuri</translation>
    </message>
    <message>
        <source>指令类别</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Perintah suara</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Buat</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Tambah perintah khusus</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>语音指令 + 选择文件夹路径 → 说出指令词直接打开目标文件夹</source>
        <translation>Perintah suara + jalur folder → ucapkan perintah untuk membuka folder</translation>
    </message>
    <message>
        <source>语音指令 + 选择应用文件 → 说出指令词自动启动应用</source>
        <translation>Perintah suara + berkas aplikasi → ucapkan perintah untuk menjalankan aplikasi</translation>
    </message>
    <message>
        <source>语音指令 + 输入完整网址（如 https://...） → 说出指令词即刻跳转至网页</source>
        <translation>Perintah suara + alamat lengkap (mis. https://...) → ucapkan perintah untuk membuka halaman web</translation>
    </message>
    <message>
        <source>语音指令 + 输入文字 → 说出指令词输入这段文字（仅本次运行有效）</source>
        <translation>Perintah suara + teks → ucapkan perintah untuk mengetik teks (hanya sesi ini)</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Pilih folder</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Buka</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>保存文件</source>
        <translation>Simpan berkas</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Unduhan gagal</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>Folder “%1” tidak ada.</translation>
    </message>
    <message>
        <source>无法写入文件夹“%1”，请选择其他位置。</source>
        <translation>Tidak dapat menulis ke folder “%1”. Pilih lokasi lain.</translation>
    </message>
</context>
<context>
    <name>ExternalAiClient</name>
    <message>
        <source>一键安装龙虾</source>
        <translation>Instal Vorn</translation>
    </message>
    <message>
        <source>启动龙虾</source>
        <translation>Jalankan Vorn</translation>
    </message>
    <message>
        <source>启动龙虾失败，请手动运行: %1</source>
        <translation>Gagal menjalankan Vorn. Jalankan secara manual: %1</translation>
    </message>
    <message>
        <source>安装文件不存在: %1</source>
        <translation>File instalasi tidak ditemukan: %1</translation>
    </message>
    <message>
        <source>启动安装程序失败，请手动运行: %1</source>
        <translation>Gagal menjalankan penginstal. Jalankan secara manual: %1</translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>语音输入</source>
        <translation>Input Suara</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan Suara</translation>
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
        <source>未识别到文字</source>
        <translation>Tidak ada teks yang ditemukan</translation>
    </message>
    <message>
        <source>没有录到声音</source>
        <translation>Tidak ada suara yang terekam</translation>
    </message>
    <message>
        <source>会议转写服务未配置</source>
        <translation>Layanan transkripsi rapat belum dikonfigurasi</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>关闭</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>InsSetting</name>
    <message>
        <source>指令类别</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Perintah suara</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+Tambah perintah</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Situs web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Teks tetap</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>指令列表保存失败，请检查程序目录是否可写</source>
        <translation>Daftar perintah tidak dapat disimpan. Periksa apakah folder program dapat ditulis.</translation>
    </message>
</context>
<context>
    <name>LanguageListWidget</name>
    <message>
        <source>语音识别</source>
        <translation>Pengenalan Suara</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan Suara</translation>
    </message>
    <message>
        <source>截图识别</source>
        <translation>Pengenalan Tangkapan Layar</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Terjemahan Tangkapan Layar</translation>
    </message>
    <message>
        <source>划词识别</source>
        <translation>Pengenalan Teks Terpilih</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Terjemahan Teks Terpilih</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Cari</translation>
    </message>
</context>
<context>
    <name>LogWidget</name>
    <message>
        <source>日志窗口</source>
        <translation>Jendela log</translation>
    </message>
    <message>
        <source>输出至窗口</source>
        <translation>Keluaran ke jendela</translation>
    </message>
    <message>
        <source>输出至文件</source>
        <translation>Keluaran ke berkas</translation>
    </message>
    <message>
        <source>输出至Debug</source>
        <translation>Keluaran ke Debug</translation>
    </message>
    <message>
        <source>清除日志</source>
        <translation>Hapus log</translation>
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
    <message>
        <source>Model: </source>
        <translation>Model: </translation>
    </message>
    <message>
        <source>低电量警告</source>
        <translation>Baterai Lemah</translation>
    </message>
    <message>
        <source>电量仅剩 %1%，请及时充电！</source>
        <translation>Baterai tinggal %1%. Segera isi daya mouse.</translation>
    </message>
    <message>
        <source>AI窗口暂不可用</source>
        <translation>Jendela AI belum tersedia</translation>
    </message>
    <message>
        <source>更新成功</source>
        <translation>Berhasil diperbarui</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Tangkapan layar</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>全局热键（鼠标的 F17–F20 按键）</source>
        <translation>Tombol pintas global (tombol F17–F20 pada mouse)</translation>
    </message>
    <message>
        <source>向其他程序输入识别的文字</source>
        <translation>Mengetik teks yang dikenali ke program lain</translation>
    </message>
    <message>
        <source>截图识字和截图翻译</source>
        <translation>OCR dan terjemahan tangkapan layar</translation>
    </message>
    <message>
        <source>划词取词</source>
        <translation>Menangkap teks yang dipilih</translation>
    </message>
    <message>
        <source>全局鼠标监听</source>
        <translation>Pemantauan mouse global</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Wayland 会话：Talkvane 通过 XWayland 以 X11 方式运行，以下功能只对 X11 程序有效：%1。原生 Wayland 程序收不到输入的文字和热键。</source>
        <translation>Sesi Wayland: Talkvane berjalan sebagai program X11 melalui XWayland; fitur ini hanya berlaku untuk program X11: %1. Program Wayland asli tidak menerima teks yang diketik maupun tombol pintas.</translation>
    </message>
    <message>
        <source>Wayland 会话中以下功能不可用：%1。Wayland 不允许一个程序抢占按键、向其他程序输入，或读取其他程序的屏幕。识别结果仍显示在 Talkvane 的窗口中；翻译、AI、会议、设置和鼠标连接照常可用。</source>
        <translation>Tidak tersedia dalam sesi Wayland: %1. Wayland tidak mengizinkan satu program mengambil tombol, mengetik ke program lain, atau membaca layarnya. Teks yang dikenali tetap ditampilkan di jendela Talkvane; terjemahan, AI, rapat, pengaturan, dan koneksi mouse berfungsi seperti biasa.</translation>
    </message>
</context>
<context>
    <name>MeetingList</name>
    <message>
        <source>会议名称</source>
        <translation>Rapat</translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation>Tanggal dan waktu</translation>
    </message>
    <message>
        <source>会议内容</source>
        <translation>Isi</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Tindakan</translation>
    </message>
    <message>
        <source>创建会议记录</source>
        <translation>Catatan rapat baru</translation>
    </message>
    <message>
        <source>未完成</source>
        <translation>Belum selesai</translation>
    </message>
    <message>
        <source>会议数据库只能读取，新的会议和修改无法保存。</source>
        <translation>Basis data rapat hanya-baca; rapat baru dan perubahan tidak dapat disimpan.</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Kesalahan basis data</translation>
    </message>
    <message>
        <source>无法打开数据库文件</source>
        <translation>Tidak dapat membuka berkas basis data</translation>
    </message>
    <message>
        <source>会议数据库文件已损坏，无法读取。文件保持原样：%1</source>
        <translation>Berkas basis data rapat rusak dan tidak dapat dibaca. Berkas dibiarkan apa adanya: %1</translation>
    </message>
    <message>
        <source>初始化数据表失败</source>
        <translation>Gagal menyiapkan tabel data</translation>
    </message>
    <message>
        <source>会议列表读取失败：%1</source>
        <translation>Tidak dapat membaca daftar rapat: %1</translation>
    </message>
    <message>
        <source>会议读取失败：%1</source>
        <translation>Tidak dapat membaca rapat: %1</translation>
    </message>
    <message>
        <source>正在记录的会议不能删除。</source>
        <translation>Rapat yang sedang direkam tidak dapat dihapus.</translation>
    </message>
    <message>
        <source>会议删除失败：%1</source>
        <translation>Tidak dapat menghapus rapat: %1</translation>
    </message>
    <message>
        <source>翻译保存失败：%1</source>
        <translation>Tidak dapat menyimpan terjemahan: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Tidak dapat menyimpan rapat: %1</translation>
    </message>
    <message>
        <source>AI总结保存失败：%1</source>
        <translation>Tidak dapat menyimpan ringkasan AI: %1</translation>
    </message>
</context>
<context>
    <name>MeetingMinutes</name>
    <message>
        <source>会议实录</source>
        <translation>Catatan rapat</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Riwayat</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>Hentikan rekaman</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>Mulai rekaman</translation>
    </message>
    <message>
        <source>实时会议内容</source>
        <translation>Transkrip rapat langsung</translation>
    </message>
    <message>
        <source>Meeting recording</source>
        <translation>Rekaman rapat</translation>
    </message>
    <message>
        <source>Conference translation</source>
        <translation>Terjemahan rapat</translation>
    </message>
    <message>
        <source>AI会议总结</source>
        <translation>Ringkasan rapat AI</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Salin ke papan klip</translation>
    </message>
    <message>
        <source>Export to word</source>
        <translation>Ekspor ke Word</translation>
    </message>
    <message>
        <source>AI Summary</source>
        <translation>Ringkasan AI</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Berhenti</translation>
    </message>
    <message>
        <source>重新翻译</source>
        <translation>Terjemahkan lagi</translation>
    </message>
    <message>
        <source>会议无法保存：%1</source>
        <translation>Rapat tidak dapat disimpan: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Tidak dapat menyimpan rapat: %1</translation>
    </message>
    <message>
        <source>会议内容暂时无法保存，录音继续：%1</source>
        <translation>Rapat belum dapat disimpan; rekaman berlanjut: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>Terjemahan gagal: %1</translation>
    </message>
    <message>
        <source>正在生成AI总结…</source>
        <translation>Membuat ringkasan AI…</translation>
    </message>
    <message>
        <source>AI总结失败：%1</source>
        <translation>Ringkasan AI gagal: %1</translation>
    </message>
    <message>
        <source>导出Word文档</source>
        <translation>Ekspor dokumen Word</translation>
    </message>
    <message>
        <source>Word 文档 (*.doc *.docx)</source>
        <translation>Dokumen Word (*.doc *.docx)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>无法创建文件: </source>
        <translation>Tidak dapat membuat berkas: </translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Berhasil</translation>
    </message>
    <message>
        <source>文档已成功导出到:
</source>
        <translation>Dokumen berhasil diekspor ke:
</translation>
    </message>
    <message>
        <source>未配置会议总结服务</source>
        <translation>Layanan ringkasan rapat belum dikonfigurasi</translation>
    </message>
    <message>
        <source>录音无法继续写入磁盘（%1）。已录下的部分保留，转写继续。</source>
        <translation>Rekaman tidak dapat lagi ditulis ke disk (%1). Yang sudah terekam tetap tersimpan; transkripsi berlanjut.</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>the database is read-only and has no meeting table</source>
        <translation>basis data hanya-baca dan tidak memiliki tabel rapat</translation>
    </message>
    <message>
        <source>no meeting with id %1</source>
        <translation>tidak ada rapat dengan id %1</translation>
    </message>
    <message>
        <source>the meeting database is not open</source>
        <translation>basis data rapat tidak terbuka</translation>
    </message>
    <message>
        <source>the meeting is no longer stored</source>
        <translation>rapat sudah tidak tersimpan</translation>
    </message>
</context>
<context>
    <name>MicrosoftSpeech</name>
    <message>
        <source>语音识别服务未配置</source>
        <translation>Layanan pengenalan suara belum dikonfigurasi</translation>
    </message>
    <message>
        <source>语音识别服务响应超时，请稍后再试</source>
        <translation>Layanan pengenalan suara tidak merespons tepat waktu. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>无法连接语音识别服务，请检查网络</source>
        <translation>Tidak dapat terhubung ke layanan pengenalan suara. Periksa jaringan Anda.</translation>
    </message>
    <message>
        <source>语音识别服务拒绝了请求，请检查密钥</source>
        <translation>Layanan pengenalan suara menolak permintaan. Periksa kuncinya.</translation>
    </message>
    <message>
        <source>语音识别请求过于频繁，请稍后再试</source>
        <translation>Terlalu banyak permintaan pengenalan suara. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>语音识别服务暂时不可用，请稍后再试</source>
        <translation>Layanan pengenalan suara sedang tidak tersedia. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>语音识别服务返回了无法识别的结果</source>
        <translation>Layanan pengenalan suara mengirim jawaban yang tidak dapat dibaca.</translation>
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
    <message>
        <source>蓝牙1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>蓝牙2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>接收器</source>
        <translation>Penerima</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Tidak diketahui</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>智能设置</source>
        <translation>Pengaturan AI</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Terjemahan</translation>
    </message>
    <message>
        <source>云指令设置</source>
        <translation>Perintah Cloud</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>使用指南</source>
        <translation>Panduan</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Direktori AI</translation>
    </message>
    <message>
        <source>会议纪要</source>
        <translation>Notulen Rapat</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>Obrolan AI</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Tak Terhubung</translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>使用指南</source>
        <translation>Panduan Pengguna</translation>
    </message>
    <message>
        <source>使用指南将在后续版本提供。</source>
        <translation>Panduan akan tersedia di versi berikutnya.</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Direktori AI</translation>
    </message>
    <message>
        <source>AI导航将在后续版本提供。</source>
        <translation>Direktori AI akan tersedia di versi berikutnya.</translation>
    </message>
    <message>
        <source>云服务</source>
        <translation>Cloud services</translation>
    </message>
    <message>
        <source>云端会议页面将在后续版本提供。</source>
        <translation>Halaman rapat cloud akan tersedia di versi berikutnya.</translation>
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
    <name>ScreenView</name>
    <message>
        <source>选择颜色</source>
        <translation>Pilih warna</translation>
    </message>
    <message>
        <source>选区太小，请先拖出要截取的区域</source>
        <translation>Pilihan terlalu kecil. Seret dulu area yang ingin diambil.</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Simpan gambar</translation>
    </message>
    <message>
        <source>无法保存截图</source>
        <translation>Tangkapan layar tidak dapat disimpan</translation>
    </message>
</context>
<context>
    <name>SearchButton</name>
    <message>
        <source>语音识别语种</source>
        <translation>Bahasa pengenalan suara</translation>
    </message>
    <message>
        <source>语音翻译语种</source>
        <translation>Bahasa terjemahan suara</translation>
    </message>
    <message>
        <source>截图识别语种</source>
        <translation>Bahasa pengenalan tangkapan layar</translation>
    </message>
    <message>
        <source>截图翻译语种</source>
        <translation>Bahasa terjemahan tangkapan layar</translation>
    </message>
    <message>
        <source>划词识别语种</source>
        <translation>Bahasa pengenalan teks terpilih</translation>
    </message>
    <message>
        <source>划词翻译语种</source>
        <translation>Bahasa terjemahan teks terpilih</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>按键设置</source>
        <translation>Pengaturan Tombol</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Pengaturan Mouse</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>Tombol suara</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>Tombol terjemahan</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>Tombol pencarian</translation>
    </message>
    <message>
        <source>自定义键</source>
        <translation>Tombol kustom</translation>
    </message>
    <message>
        <source>滚轮键</source>
        <translation>Tombol roda</translation>
    </message>
    <message>
        <source>AI键</source>
        <translation>Tombol AI</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Terjemahan Suara</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Input Suara</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Pencarian Suara</translation>
    </message>
    <message>
        <source>短按：%1    长按：%2</source>
        <translation>Tekan singkat: %1    Tekan lama: %2</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Buka situs web</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Jangan buka situs web</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Tidak ada perangkat terhubung</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>按下快捷键</source>
        <translation>Tekan tombol</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>固件版本</source>
        <translation>Versi firmware</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>Jenis koneksi</translation>
    </message>
    <message>
        <source>电量</source>
        <translation>Baterai</translation>
    </message>
</context>
<context>
    <name>SystemSetting</name>
    <message>
        <source>通用设置</source>
        <translation>Pengaturan Umum</translation>
    </message>
    <message>
        <source>显示语言</source>
        <translation>Bahasa tampilan</translation>
    </message>
    <message>
        <source>软件版本号</source>
        <translation>Versi aplikasi</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Mulai saat login</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Periksa pembaruan</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>日志记录</source>
        <translation>Pencatatan log</translation>
    </message>
    <message>
        <source>日志上传</source>
        <translation>Unggah log</translation>
    </message>
    <message>
        <source>硬件信息</source>
        <translation>Informasi Perangkat Keras</translation>
    </message>
    <message>
        <source>固件版本号</source>
        <translation>Versi firmware</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Nomor seri</translation>
    </message>
    <message>
        <source>此系统不支持开机启动</source>
        <translation>Sistem ini tidak mendukung mulai otomatis saat login</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Unggah</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Server sedang sibuk. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>No log file was detected.</source>
        <translation>Berkas log tidak ditemukan.</translation>
    </message>
    <message>
        <source>Unknow Error</source>
        <translation>Kesalahan tidak dikenal</translation>
    </message>
    <message>
        <source>成功</source>
        <translation> berhasil</translation>
    </message>
    <message>
        <source>失败</source>
        <translation> gagal</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TencentCloudSpeech</name>
    <message>
        <source>语音识别服务不可用</source>
        <translation>Layanan pengenalan suara tidak tersedia</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>Layanan pengenalan memutus sambungan</translation>
    </message>
    <message>
        <source>无法连接语音识别服务</source>
        <translation>Tidak dapat terhubung ke layanan pengenalan suara</translation>
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
    <name>TraSetting</name>
    <message>
        <source>语音翻译设置</source>
        <translation>Pengaturan Terjemahan Suara</translation>
    </message>
    <message>
        <source>划词翻译设置</source>
        <translation>Pengaturan Terjemahan Teks Terpilih</translation>
    </message>
    <message>
        <source>截图翻译设置</source>
        <translation>Pengaturan Terjemahan Tangkapan Layar</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Bahasa sumber</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Bahasa target</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Terjemahkan teks terpilih</translation>
    </message>
    <message>
        <source>截图快捷键</source>
        <translation>Pintasan tangkapan layar</translation>
    </message>
    <message>
        <source>快捷键：Alt+x</source>
        <translation>Pintasan: Alt+x</translation>
    </message>
</context>
<context>
    <name>UpdateDialogue</name>
    <message>
        <source>检查更新</source>
        <translation>Periksa pembaruan</translation>
    </message>
    <message>
        <source>检查到新版了</source>
        <translation>Versi baru ditemukan</translation>
    </message>
    <message>
        <source>立即下载</source>
        <translation>Unduh sekarang</translation>
    </message>
    <message>
        <source>正在检查...</source>
        <translation>Memeriksa...</translation>
    </message>
    <message>
        <source>网络错误：</source>
        <translation>Kesalahan jaringan: </translation>
    </message>
    <message>
        <source>更新信息无效</source>
        <translation>Informasi pembaruan tidak valid</translation>
    </message>
    <message>
        <source>当前版本号无效</source>
        <translation>Nomor versi saat ini tidak valid</translation>
    </message>
    <message>
        <source>检测到有最新的版本：</source>
        <translation>Versi lebih baru tersedia: </translation>
    </message>
    <message>
        <source>已经是最新的了</source>
        <translation>Anda sudah memakai versi terbaru</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Kesalahan</translation>
    </message>
    <message>
        <source>地址错误</source>
        <translation>Alamat salah</translation>
    </message>
    <message>
        <source>下载地址不安全，已拒绝下载</source>
        <translation>Alamat unduhan tidak aman; unduhan ditolak</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>Tidak dapat membuat berkas</translation>
    </message>
    <message>
        <source>下载失败，请稍后重试</source>
        <translation>Unduhan gagal; coba lagi nanti</translation>
    </message>
    <message>
        <source>无法打开安装包，它已保存在：%1</source>
        <translation>Paket tidak dapat dibuka; disimpan di: %1</translation>
    </message>
</context>
<context>
    <name>VoiceCommandExecutor</name>
    <message>
        <source>打开</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>%1指令执行失败，请检查执行路径</source>
        <translation>Perintah “%1” gagal. Periksa targetnya.</translation>
    </message>
</context>
<context>
    <name>VoiceTraAssSetting</name>
    <message>
        <source>语音键设置</source>
        <translation>Pengaturan Tombol Suara</translation>
    </message>
    <message>
        <source>翻译键设置</source>
        <translation>Pengaturan Tombol Terjemahan</translation>
    </message>
    <message>
        <source>助手键设置</source>
        <translation>Pengaturan Tombol Asisten</translation>
    </message>
    <message>
        <source>单击按键功能</source>
        <translation>Fungsi klik</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>长按按键功能</source>
        <translation>Tekan lama</translation>
    </message>
</context>
<context>
    <name>WheelSetting</name>
    <message>
        <source>滚轮键设置</source>
        <translation>Pengaturan Tombol Roda</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Buka situs</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Jangan buka situs</translation>
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
