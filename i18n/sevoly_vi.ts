<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN" sourcelanguage="zh_CN">
<context>
    <name>AKeySetting</name>
    <message>
        <source>AI大模型</source>
        <translation>Chat AI</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch thoại</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Trợ lý</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Nhập thoại</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Dịch màn hình</translation>
    </message>
    <message>
        <source>长语音(单击开启)</source>
        <translation>Nhấn để nói</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Tìm trên Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Xóa lùi</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Về màn hình nền</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Mở trang web</translation>
    </message>
    <message>
        <source>自定义键设置</source>
        <translation>Cài đặt nút tùy chỉnh</translation>
    </message>
    <message>
        <source>长按</source>
        <translation>Nhấn giữ</translation>
    </message>
    <message>
        <source>短按</source>
        <translation>Nhấn nhanh</translation>
    </message>
</context>
<context>
    <name>AiSetting</name>
    <message>
        <source>语音识别设置</source>
        <translation>Cài đặt nhận dạng giọng nói</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Thêm dấu câu</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Ngôn ngữ nhận dạng</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Tìm kiếm bằng giọng nói</translation>
    </message>
    <message>
        <source>搜索引擎</source>
        <translation>Công cụ tìm kiếm</translation>
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
        <translation>Cài đặt nhập liệu</translation>
    </message>
    <message>
        <source>输入模式</source>
        <translation>Chế độ nhập</translation>
    </message>
    <message>
        <source>动态打字模式</source>
        <translation>Gõ trực tiếp</translation>
    </message>
    <message>
        <source>整句输入</source>
        <translation>Nhập cả câu</translation>
    </message>
</context>
<context>
    <name>AliyunMeetingApi</name>
    <message>
        <source>会议连接已断开，重新连接失败</source>
        <translation>Mất kết nối cuộc họp và không thể khôi phục</translation>
    </message>
</context>
<context>
    <name>ButtonActions</name>
    <message>
        <source>语音输入</source>
        <translation>Nhập bằng giọng nói</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch giọng nói</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Trợ lý giọng nói</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>Trò chuyện AI</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Dịch ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Tìm trên Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Xóa lùi</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Hiện màn hình nền</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Mở trang web</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Dán</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Trang trước</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Trang sau</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>Chọn</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Chưa đặt</translation>
    </message>
</context>
<context>
    <name>CaMainWindow</name>
    <message>
        <source>无法截取屏幕：当前会话不允许程序读取屏幕内容</source>
        <translation>Không thể chụp màn hình: phiên này không cho phép chương trình đọc màn hình</translation>
    </message>
</context>
<context>
    <name>CaptureToolBar</name>
    <message>
        <source>复制到剪贴板(Enter)</source>
        <translation>Sao chép vào bộ nhớ tạm (Enter)</translation>
    </message>
    <message>
        <source>保存到文件(S)</source>
        <translation>Lưu vào tệp (S)</translation>
    </message>
    <message>
        <source>绘制线段(L)</source>
        <translation>Vẽ đường thẳng (L)</translation>
    </message>
    <message>
        <source>绘制矩形(P)</source>
        <translation>Vẽ hình chữ nhật (P)</translation>
    </message>
    <message>
        <source>绘制椭圆(M)</source>
        <translation>Vẽ hình elip (M)</translation>
    </message>
    <message>
        <source>添加文本(T)</source>
        <translation>Thêm văn bản (T)</translation>
    </message>
    <message>
        <source>提取文字(O)</source>
        <translation>Trích xuất văn bản (O)</translation>
    </message>
    <message>
        <source>翻译(T)</source>
        <translation>Dịch</translation>
    </message>
</context>
<context>
    <name>CloudOCR</name>
    <message>
        <source>文字识别服务响应超时，请稍后再试</source>
        <translation>Dịch vụ nhận dạng văn bản không phản hồi kịp thời. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>无法连接文字识别服务，请检查网络</source>
        <translation>Không thể kết nối dịch vụ nhận dạng văn bản. Vui lòng kiểm tra mạng.</translation>
    </message>
    <message>
        <source>文字识别服务拒绝了请求，请刷新后再试</source>
        <translation>Dịch vụ nhận dạng văn bản đã từ chối yêu cầu. Vui lòng làm mới rồi thử lại.</translation>
    </message>
    <message>
        <source>文字识别请求过于频繁，请稍后再试</source>
        <translation>Quá nhiều yêu cầu nhận dạng văn bản. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>文字识别服务暂时不可用，请稍后再试</source>
        <translation>Dịch vụ nhận dạng văn bản tạm thời không khả dụng. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>文字识别服务返回了无法识别的结果</source>
        <translation>Dịch vụ nhận dạng văn bản trả về kết quả không đọc được.</translation>
    </message>
    <message>
        <source>文字识别失败，请稍后再试</source>
        <translation>Nhận dạng văn bản thất bại. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>文字识别服务未配置</source>
        <translation>Dịch vụ nhận dạng văn bản chưa được cấu hình</translation>
    </message>
    <message>
        <source>无法读取截图，请重新截图</source>
        <translation>Không thể đọc ảnh chụp màn hình. Vui lòng chụp lại.</translation>
    </message>
</context>
<context>
    <name>CloudTranslator</name>
    <message>
        <source>翻译服务响应超时，请稍后再试</source>
        <translation>Dịch vụ dịch không phản hồi kịp. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>无法连接翻译服务，请检查网络</source>
        <translation>Không thể kết nối dịch vụ dịch. Vui lòng kiểm tra mạng.</translation>
    </message>
    <message>
        <source>翻译服务拒绝了请求，请刷新后再试</source>
        <translation>Dịch vụ dịch đã từ chối yêu cầu. Vui lòng làm mới rồi thử lại.</translation>
    </message>
    <message>
        <source>翻译请求过于频繁，请稍后再试</source>
        <translation>Quá nhiều yêu cầu dịch. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>翻译服务暂时不可用，请稍后再试</source>
        <translation>Dịch vụ dịch tạm thời không khả dụng. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>翻译服务返回了无法识别的结果</source>
        <translation>Dịch vụ dịch trả về kết quả không đọc được.</translation>
    </message>
    <message>
        <source>翻译服务未配置</source>
        <translation>Dịch vụ dịch chưa được cấu hình.</translation>
    </message>
</context>
<context>
    <name>ColorPanel</name>
    <message>
        <source>填充</source>
        <translation>Tô màu</translation>
    </message>
</context>
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
    <message>
        <source>鼠标型号：%1;连接模式：%2;sn: %3; 电量：%4; 固件版本：%5; DPI：%6; 滚轮开关：%7</source>
        <translation>Mẫu chuột: %1; kết nối: %2; sn: %3; pin: %4; firmware: %5; DPI: %6; cuộn tự do: %7</translation>
    </message>
</context>
<context>
    <name>DiagnosticsPanel</name>
    <message>
        <source>日志窗口</source>
        <translation>Cửa sổ nhật ký</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Ngắt kết nối</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Kết nối thiết bị</translation>
    </message>
    <message>
        <source>查询设备信息</source>
        <translation>Truy vấn thông tin</translation>
    </message>
    <message>
        <source>滚轮弹开</source>
        <translation>Bật cuộn tự do</translation>
    </message>
    <message>
        <source>滚轮弹关</source>
        <translation>Tắt cuộn tự do</translation>
    </message>
    <message>
        <source>开启录音</source>
        <translation>Bắt đầu ghi âm</translation>
    </message>
    <message>
        <source>停止录音</source>
        <translation>Dừng ghi âm</translation>
    </message>
    <message>
        <source>播放录音</source>
        <translation>Phát bản ghi</translation>
    </message>
    <message>
        <source>解码数据</source>
        <translation>Giải mã dữ liệu</translation>
    </message>
    <message>
        <source>测试会议纪要</source>
        <translation>Thử biên bản họp</translation>
    </message>
    <message>
        <source>音频文件测试</source>
        <translation>Thử tệp âm thanh</translation>
    </message>
    <message>
        <source>语音听写</source>
        <translation>Đọc chính tả</translation>
    </message>
    <message>
        <source>松开语音听写</source>
        <translation>Nhả đọc chính tả</translation>
    </message>
    <message>
        <source>翻译听写</source>
        <translation>Đọc chính tả dịch</translation>
    </message>
    <message>
        <source>松开翻译听写</source>
        <translation>Nhả đọc chính tả dịch</translation>
    </message>
    <message>
        <source>识别文本</source>
        <translation>Văn bản nhận dạng</translation>
    </message>
    <message>
        <source>设备已经连接，自动断开当前模式</source>
        <translation>Thiết bị đang kết nối; ngắt chế độ hiện tại</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch giọng nói</translation>
    </message>
</context>
<context>
    <name>DialogIns</name>
    <message>
        <source>文件夹</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Trang web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Văn bản cố định</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Duyệt</translation>
    </message>
    <message>
        <source>指令类别</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Lệnh giọng nói</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Mục tiêu</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Tạo</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Sửa</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Thêm lệnh tùy chỉnh</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>语音指令 + 选择文件夹路径 → 说出指令词直接打开目标文件夹</source>
        <translation>Lệnh giọng nói + đường dẫn thư mục → nói lệnh để mở thư mục</translation>
    </message>
    <message>
        <source>语音指令 + 选择应用文件 → 说出指令词自动启动应用</source>
        <translation>Lệnh giọng nói + tệp ứng dụng → nói lệnh để khởi động ứng dụng</translation>
    </message>
    <message>
        <source>语音指令 + 输入完整网址（如 https://...） → 说出指令词即刻跳转至网页</source>
        <translation>Lệnh giọng nói + địa chỉ đầy đủ (vd. https://...) → nói lệnh để mở trang web</translation>
    </message>
    <message>
        <source>语音指令 + 输入文字 → 说出指令词输入这段文字（仅本次运行有效）</source>
        <translation>Lệnh giọng nói + văn bản → nói lệnh để nhập văn bản (chỉ trong phiên này)</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Chọn thư mục</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Mở</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>保存文件</source>
        <translation>Lưu tệp</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Tải xuống thất bại</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>Thư mục “%1” không tồn tại.</translation>
    </message>
    <message>
        <source>无法写入文件夹“%1”，请选择其他位置。</source>
        <translation>Không thể ghi vào thư mục “%1”. Vui lòng chọn vị trí khác.</translation>
    </message>
</context>
<context>
    <name>ExternalAiClient</name>
    <message>
        <source>一键安装龙虾</source>
        <translation>Cài đặt Vorn</translation>
    </message>
    <message>
        <source>启动龙虾</source>
        <translation>Khởi chạy Vorn</translation>
    </message>
    <message>
        <source>启动龙虾失败，请手动运行: %1</source>
        <translation>Không khởi chạy được Vorn. Hãy chạy thủ công: %1</translation>
    </message>
    <message>
        <source>安装文件不存在: %1</source>
        <translation>Không tìm thấy tệp cài đặt: %1</translation>
    </message>
    <message>
        <source>启动安装程序失败，请手动运行: %1</source>
        <translation>Không khởi chạy được trình cài đặt. Hãy chạy thủ công: %1</translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>语音输入</source>
        <translation>Nhập bằng giọng nói</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch giọng nói</translation>
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
        <source>未识别到文字</source>
        <translation>Không tìm thấy văn bản</translation>
    </message>
    <message>
        <source>没有录到声音</source>
        <translation>Không ghi được âm thanh</translation>
    </message>
    <message>
        <source>会议转写服务未配置</source>
        <translation>Dịch vụ chép lời cuộc họp chưa được cấu hình</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>关闭</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>InsSetting</name>
    <message>
        <source>指令类别</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Lệnh giọng nói</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Mục tiêu</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+Thêm lệnh</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Trang web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Văn bản cố định</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Sửa</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>指令列表保存失败，请检查程序目录是否可写</source>
        <translation>Không thể lưu danh sách lệnh. Hãy kiểm tra thư mục chương trình có ghi được không.</translation>
    </message>
</context>
<context>
    <name>LanguageListWidget</name>
    <message>
        <source>语音识别</source>
        <translation>Nhận dạng giọng nói</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch giọng nói</translation>
    </message>
    <message>
        <source>截图识别</source>
        <translation>Nhận dạng ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Dịch ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>划词识别</source>
        <translation>Nhận dạng văn bản đã chọn</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Dịch văn bản đã chọn</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Tìm kiếm</translation>
    </message>
</context>
<context>
    <name>LogWidget</name>
    <message>
        <source>日志窗口</source>
        <translation>Cửa sổ nhật ký</translation>
    </message>
    <message>
        <source>输出至窗口</source>
        <translation>Xuất ra cửa sổ</translation>
    </message>
    <message>
        <source>输出至文件</source>
        <translation>Xuất ra tệp</translation>
    </message>
    <message>
        <source>输出至Debug</source>
        <translation>Xuất ra Debug</translation>
    </message>
    <message>
        <source>清除日志</source>
        <translation>Xóa nhật ký</translation>
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
    <message>
        <source>Model: </source>
        <translation>Mẫu: </translation>
    </message>
    <message>
        <source>低电量警告</source>
        <translation>Pin yếu</translation>
    </message>
    <message>
        <source>电量仅剩 %1%，请及时充电！</source>
        <translation>Pin chỉ còn %1%. Hãy sạc chuột sớm.</translation>
    </message>
    <message>
        <source>AI窗口暂不可用</source>
        <translation>Cửa sổ AI chưa khả dụng</translation>
    </message>
    <message>
        <source>更新成功</source>
        <translation>Đã cập nhật</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Chụp màn hình</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>全局热键（鼠标的 F17–F20 按键）</source>
        <translation>Phím tắt toàn cục (các nút F17–F20 của chuột)</translation>
    </message>
    <message>
        <source>向其他程序输入识别的文字</source>
        <translation>Nhập văn bản đã nhận dạng vào chương trình khác</translation>
    </message>
    <message>
        <source>截图识字和截图翻译</source>
        <translation>Nhận dạng và dịch văn bản từ ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>划词取词</source>
        <translation>Lấy văn bản được chọn</translation>
    </message>
    <message>
        <source>全局鼠标监听</source>
        <translation>Theo dõi chuột toàn cục</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Wayland 会话：Talkvane 通过 XWayland 以 X11 方式运行，以下功能只对 X11 程序有效：%1。原生 Wayland 程序收不到输入的文字和热键。</source>
        <translation>Phiên Wayland: Talkvane chạy như chương trình X11 qua XWayland; các tính năng sau chỉ dùng được với chương trình X11: %1. Chương trình Wayland gốc không nhận được văn bản nhập và phím tắt.</translation>
    </message>
    <message>
        <source>Wayland 会话中以下功能不可用：%1。Wayland 不允许一个程序抢占按键、向其他程序输入，或读取其他程序的屏幕。识别结果仍显示在 Talkvane 的窗口中；翻译、AI、会议、设置和鼠标连接照常可用。</source>
        <translation>Không khả dụng trong phiên Wayland: %1. Wayland không cho một chương trình chiếm phím, nhập vào chương trình khác hoặc đọc màn hình của chúng. Kết quả nhận dạng vẫn hiện trong cửa sổ Talkvane; dịch, AI, cuộc họp, cài đặt và kết nối chuột vẫn hoạt động bình thường.</translation>
    </message>
</context>
<context>
    <name>MeetingList</name>
    <message>
        <source>会议名称</source>
        <translation>Cuộc họp</translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation>Ngày giờ</translation>
    </message>
    <message>
        <source>会议内容</source>
        <translation>Nội dung</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Thao tác</translation>
    </message>
    <message>
        <source>创建会议记录</source>
        <translation>Tạo biên bản họp</translation>
    </message>
    <message>
        <source>未完成</source>
        <translation>Chưa xong</translation>
    </message>
    <message>
        <source>会议数据库只能读取，新的会议和修改无法保存。</source>
        <translation>Cơ sở dữ liệu cuộc họp chỉ đọc; không thể lưu cuộc họp mới và thay đổi.</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Lỗi cơ sở dữ liệu</translation>
    </message>
    <message>
        <source>无法打开数据库文件</source>
        <translation>Không thể mở tệp cơ sở dữ liệu</translation>
    </message>
    <message>
        <source>会议数据库文件已损坏，无法读取。文件保持原样：%1</source>
        <translation>Tệp cơ sở dữ liệu cuộc họp bị hỏng, không đọc được. Tệp được giữ nguyên: %1</translation>
    </message>
    <message>
        <source>初始化数据表失败</source>
        <translation>Khởi tạo bảng dữ liệu thất bại</translation>
    </message>
    <message>
        <source>会议列表读取失败：%1</source>
        <translation>Không đọc được danh sách cuộc họp: %1</translation>
    </message>
    <message>
        <source>会议读取失败：%1</source>
        <translation>Không đọc được cuộc họp: %1</translation>
    </message>
    <message>
        <source>正在记录的会议不能删除。</source>
        <translation>Không thể xóa cuộc họp đang ghi.</translation>
    </message>
    <message>
        <source>会议删除失败：%1</source>
        <translation>Không thể xóa cuộc họp: %1</translation>
    </message>
    <message>
        <source>翻译保存失败：%1</source>
        <translation>Không thể lưu bản dịch: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Không thể lưu cuộc họp: %1</translation>
    </message>
    <message>
        <source>AI总结保存失败：%1</source>
        <translation>Không thể lưu tóm tắt AI: %1</translation>
    </message>
</context>
<context>
    <name>MeetingMinutes</name>
    <message>
        <source>会议实录</source>
        <translation>Biên bản họp</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Lịch sử</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>Dừng ghi</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>Bắt đầu ghi</translation>
    </message>
    <message>
        <source>实时会议内容</source>
        <translation>Nội dung họp trực tiếp</translation>
    </message>
    <message>
        <source>Meeting recording</source>
        <translation>Bản ghi âm cuộc họp</translation>
    </message>
    <message>
        <source>Conference translation</source>
        <translation>Bản dịch cuộc họp</translation>
    </message>
    <message>
        <source>AI会议总结</source>
        <translation>Tóm tắt cuộc họp bằng AI</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Sao chép vào bộ nhớ tạm</translation>
    </message>
    <message>
        <source>Export to word</source>
        <translation>Xuất ra Word</translation>
    </message>
    <message>
        <source>AI Summary</source>
        <translation>Tóm tắt AI</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Phát</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>重新翻译</source>
        <translation>Dịch lại</translation>
    </message>
    <message>
        <source>会议无法保存：%1</source>
        <translation>Không thể lưu cuộc họp: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Không thể lưu cuộc họp: %1</translation>
    </message>
    <message>
        <source>会议内容暂时无法保存，录音继续：%1</source>
        <translation>Tạm thời không lưu được cuộc họp; vẫn tiếp tục ghi: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>Dịch thất bại: %1</translation>
    </message>
    <message>
        <source>正在生成AI总结…</source>
        <translation>Đang tạo tóm tắt AI…</translation>
    </message>
    <message>
        <source>AI总结失败：%1</source>
        <translation>Tóm tắt AI thất bại: %1</translation>
    </message>
    <message>
        <source>导出Word文档</source>
        <translation>Xuất tài liệu Word</translation>
    </message>
    <message>
        <source>Word 文档 (*.doc *.docx)</source>
        <translation>Tài liệu Word (*.doc *.docx)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>无法创建文件: </source>
        <translation>Không thể tạo tệp: </translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>文档已成功导出到:
</source>
        <translation>Đã xuất tài liệu tới:
</translation>
    </message>
    <message>
        <source>未配置会议总结服务</source>
        <translation>Dịch vụ tóm tắt cuộc họp chưa được cấu hình</translation>
    </message>
    <message>
        <source>录音无法继续写入磁盘（%1）。已录下的部分保留，转写继续。</source>
        <translation>Không thể tiếp tục ghi bản ghi âm vào ổ đĩa (%1). Phần đã ghi được giữ lại; bản chép lời vẫn tiếp tục.</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>the database is read-only and has no meeting table</source>
        <translation>cơ sở dữ liệu chỉ đọc và không có bảng cuộc họp</translation>
    </message>
    <message>
        <source>no meeting with id %1</source>
        <translation>không có cuộc họp với id %1</translation>
    </message>
    <message>
        <source>the meeting database is not open</source>
        <translation>cơ sở dữ liệu cuộc họp chưa mở</translation>
    </message>
    <message>
        <source>the meeting is no longer stored</source>
        <translation>cuộc họp không còn được lưu</translation>
    </message>
</context>
<context>
    <name>MicrosoftSpeech</name>
    <message>
        <source>语音识别服务未配置</source>
        <translation>Dịch vụ nhận dạng giọng nói chưa được cấu hình</translation>
    </message>
    <message>
        <source>语音识别服务响应超时，请稍后再试</source>
        <translation>Dịch vụ nhận dạng giọng nói không phản hồi kịp thời. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>无法连接语音识别服务，请检查网络</source>
        <translation>Không thể kết nối dịch vụ nhận dạng giọng nói. Vui lòng kiểm tra mạng.</translation>
    </message>
    <message>
        <source>语音识别服务拒绝了请求，请检查密钥</source>
        <translation>Dịch vụ nhận dạng giọng nói đã từ chối yêu cầu. Vui lòng kiểm tra khóa.</translation>
    </message>
    <message>
        <source>语音识别请求过于频繁，请稍后再试</source>
        <translation>Quá nhiều yêu cầu nhận dạng giọng nói. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>语音识别服务暂时不可用，请稍后再试</source>
        <translation>Dịch vụ nhận dạng giọng nói tạm thời không khả dụng. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>语音识别服务返回了无法识别的结果</source>
        <translation>Dịch vụ nhận dạng giọng nói trả về kết quả không đọc được.</translation>
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
        <translation>Bộ thu</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Không rõ</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>智能设置</source>
        <translation>Cài đặt AI</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Cài đặt chuột</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Cài đặt dịch</translation>
    </message>
    <message>
        <source>云指令设置</source>
        <translation>Lệnh đám mây</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Phần mềm</translation>
    </message>
    <message>
        <source>使用指南</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Danh mục AI</translation>
    </message>
    <message>
        <source>会议纪要</source>
        <translation>Biên bản họp</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>Trò chuyện AI</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Chưa kết nối</translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>使用指南</source>
        <translation>Hướng dẫn sử dụng</translation>
    </message>
    <message>
        <source>使用指南将在后续版本提供。</source>
        <translation>Hướng dẫn sử dụng sẽ có trong phiên bản sau.</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Danh mục AI</translation>
    </message>
    <message>
        <source>AI导航将在后续版本提供。</source>
        <translation>Danh mục AI sẽ có trong phiên bản sau.</translation>
    </message>
    <message>
        <source>云服务</source>
        <translation>Cloud services</translation>
    </message>
    <message>
        <source>云端会议页面将在后续版本提供。</source>
        <translation>Trang họp trên đám mây sẽ có trong phiên bản sau.</translation>
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
    <name>ScreenView</name>
    <message>
        <source>选择颜色</source>
        <translation>Chọn màu</translation>
    </message>
    <message>
        <source>选区太小，请先拖出要截取的区域</source>
        <translation>Vùng chọn quá nhỏ. Hãy kéo chọn vùng cần chụp trước.</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Lưu hình ảnh</translation>
    </message>
    <message>
        <source>无法保存截图</source>
        <translation>Không thể lưu ảnh chụp màn hình</translation>
    </message>
</context>
<context>
    <name>SearchButton</name>
    <message>
        <source>语音识别语种</source>
        <translation>Ngôn ngữ nhận dạng giọng nói</translation>
    </message>
    <message>
        <source>语音翻译语种</source>
        <translation>Ngôn ngữ dịch giọng nói</translation>
    </message>
    <message>
        <source>截图识别语种</source>
        <translation>Ngôn ngữ nhận dạng ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>截图翻译语种</source>
        <translation>Ngôn ngữ dịch ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>划词识别语种</source>
        <translation>Ngôn ngữ nhận dạng văn bản đã chọn</translation>
    </message>
    <message>
        <source>划词翻译语种</source>
        <translation>Ngôn ngữ dịch văn bản đã chọn</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>按键设置</source>
        <translation>Cài đặt nút</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Cài đặt chuột</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>Nút giọng nói</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>Nút dịch</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>Nút tìm kiếm</translation>
    </message>
    <message>
        <source>自定义键</source>
        <translation>Nút tùy chỉnh</translation>
    </message>
    <message>
        <source>滚轮键</source>
        <translation>Nút con lăn</translation>
    </message>
    <message>
        <source>AI键</source>
        <translation>Nút AI</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Dịch giọng nói</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Nhập bằng giọng nói</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Tìm kiếm bằng giọng nói</translation>
    </message>
    <message>
        <source>短按：%1    长按：%2</source>
        <translation>Nhấn nhanh: %1    Nhấn giữ: %2</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Mở trang web</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Không mở trang web</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Chưa kết nối thiết bị</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>按下快捷键</source>
        <translation>Nhấn phím</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>固件版本</source>
        <translation>Phiên bản firmware</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Không rõ</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>Kiểu kết nối</translation>
    </message>
    <message>
        <source>电量</source>
        <translation>Pin</translation>
    </message>
</context>
<context>
    <name>SystemSetting</name>
    <message>
        <source>通用设置</source>
        <translation>Cài đặt chung</translation>
    </message>
    <message>
        <source>显示语言</source>
        <translation>Ngôn ngữ hiển thị</translation>
    </message>
    <message>
        <source>软件版本号</source>
        <translation>Phiên bản phần mềm</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Khởi động khi đăng nhập</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Nhật ký</translation>
    </message>
    <message>
        <source>日志记录</source>
        <translation>Ghi nhật ký</translation>
    </message>
    <message>
        <source>日志上传</source>
        <translation>Tải lên nhật ký</translation>
    </message>
    <message>
        <source>硬件信息</source>
        <translation>Thông tin phần cứng</translation>
    </message>
    <message>
        <source>固件版本号</source>
        <translation>Phiên bản firmware</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Số sê-ri</translation>
    </message>
    <message>
        <source>此系统不支持开机启动</source>
        <translation>Hệ thống này không hỗ trợ tự khởi động khi đăng nhập</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Tải lên</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Máy chủ đang bận. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>No log file was detected.</source>
        <translation>Không tìm thấy tệp nhật ký.</translation>
    </message>
    <message>
        <source>Unknow Error</source>
        <translation>Lỗi không xác định</translation>
    </message>
    <message>
        <source>成功</source>
        <translation> thành công</translation>
    </message>
    <message>
        <source>失败</source>
        <translation> thất bại</translation>
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
        <translation>Dịch vụ nhận dạng giọng nói không khả dụng</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>Dịch vụ nhận dạng đã ngắt kết nối</translation>
    </message>
    <message>
        <source>无法连接语音识别服务</source>
        <translation>Không thể kết nối dịch vụ nhận dạng giọng nói</translation>
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
    <name>TraSetting</name>
    <message>
        <source>语音翻译设置</source>
        <translation>Cài đặt dịch giọng nói</translation>
    </message>
    <message>
        <source>划词翻译设置</source>
        <translation>Cài đặt dịch văn bản đã chọn</translation>
    </message>
    <message>
        <source>截图翻译设置</source>
        <translation>Cài đặt dịch ảnh chụp màn hình</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Ngôn ngữ nguồn</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Ngôn ngữ đích</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Dịch văn bản đã chọn</translation>
    </message>
    <message>
        <source>截图快捷键</source>
        <translation>Phím tắt chụp màn hình</translation>
    </message>
    <message>
        <source>快捷键：Alt+x</source>
        <translation>Phím tắt: Alt+x</translation>
    </message>
</context>
<context>
    <name>UpdateDialogue</name>
    <message>
        <source>检查更新</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>检查到新版了</source>
        <translation>Đã tìm thấy phiên bản mới</translation>
    </message>
    <message>
        <source>立即下载</source>
        <translation>Tải xuống ngay</translation>
    </message>
    <message>
        <source>正在检查...</source>
        <translation>Đang kiểm tra...</translation>
    </message>
    <message>
        <source>网络错误：</source>
        <translation>Lỗi mạng: </translation>
    </message>
    <message>
        <source>更新信息无效</source>
        <translation>Thông tin cập nhật không hợp lệ</translation>
    </message>
    <message>
        <source>当前版本号无效</source>
        <translation>Số phiên bản hiện tại không hợp lệ</translation>
    </message>
    <message>
        <source>检测到有最新的版本：</source>
        <translation>Có phiên bản mới hơn: </translation>
    </message>
    <message>
        <source>已经是最新的了</source>
        <translation>Bạn đang dùng phiên bản mới nhất</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>地址错误</source>
        <translation>Địa chỉ sai</translation>
    </message>
    <message>
        <source>下载地址不安全，已拒绝下载</source>
        <translation>Địa chỉ tải xuống không an toàn; đã từ chối tải</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>Không thể tạo tệp</translation>
    </message>
    <message>
        <source>下载失败，请稍后重试</source>
        <translation>Tải xuống thất bại; vui lòng thử lại sau</translation>
    </message>
    <message>
        <source>无法打开安装包，它已保存在：%1</source>
        <translation>Không thể mở gói; đã lưu tại: %1</translation>
    </message>
</context>
<context>
    <name>VoiceCommandExecutor</name>
    <message>
        <source>打开</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>%1指令执行失败，请检查执行路径</source>
        <translation>Lệnh “%1” thất bại. Hãy kiểm tra mục tiêu.</translation>
    </message>
</context>
<context>
    <name>VoiceTraAssSetting</name>
    <message>
        <source>语音键设置</source>
        <translation>Cài đặt nút giọng nói</translation>
    </message>
    <message>
        <source>翻译键设置</source>
        <translation>Cài đặt nút dịch</translation>
    </message>
    <message>
        <source>助手键设置</source>
        <translation>Cài đặt nút trợ lý</translation>
    </message>
    <message>
        <source>单击按键功能</source>
        <translation>Khi nhấn</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Phím tắt</translation>
    </message>
    <message>
        <source>长按按键功能</source>
        <translation>Khi nhấn giữ</translation>
    </message>
</context>
<context>
    <name>WheelSetting</name>
    <message>
        <source>滚轮键设置</source>
        <translation>Cài đặt nút con lăn</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Mở trang web</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Không mở</translation>
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
