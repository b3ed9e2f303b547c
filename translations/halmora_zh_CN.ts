<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>关於 Halmora</source>
            <translation>关于 Halmora</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Halmora&lt;/h2&gt;&lt;p&gt;中国跳棋 · Chinese Checkers&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;两到六位玩家，人类或五个等级的电脑玩家。&lt;/p&gt;</source>
            <translation>&lt;h2&gt;Halmora&lt;/h2&gt;&lt;p&gt;中国跳棋&lt;/p&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;两到六位玩家，人类或五个等级的电脑玩家。&lt;/p&gt;</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
    </context>
    <context>
        <name>AnimationPage</name>
        <message>
            <source>显示完全动画的弹珠运动。</source>
            <translation>显示完全动画的弹珠运动。</translation>
        </message>
        <message>
            <source>在棋盘上标出上一步移动的路径和轮到的玩家。</source>
            <translation>在棋盘上标出上一步移动的路径和轮到的玩家。</translation>
        </message>
        <message>
            <source>弹珠移动速度</source>
            <translation>弹珠移动速度</translation>
        </message>
        <message>
            <source>最慢的</source>
            <translation>最慢的</translation>
        </message>
        <message>
            <source>最快的</source>
            <translation>最快的</translation>
        </message>
        <message>
            <source> 动画   </source>
            <translation>动画</translation>
        </message>
    </context>
    <context>
        <name>AppGameHost</name>
        <message>
            <source>The game could not be recorded in the statistics file (%1). Halmora tries again after the next game and when it closes.</source>
            <translation>无法把这局游戏记录到统计文件中(%1)。Halmora 会在下一局游戏之后和关闭时再试一次。</translation>
        </message>
        <message>
            <source>%1 finished game could not be recorded in the statistics file (%2) and will be missing from the statistics.</source>
            <translation>有 %1 局已结束的游戏无法记录到统计文件中(%2)，统计中将缺少它。</translation>
        </message>
        <message>
            <source>%1 finished games could not be recorded in the statistics file (%2) and will be missing from the statistics.</source>
            <translation>有 %1 局已结束的游戏无法记录到统计文件中(%2)，统计中将缺少它们。</translation>
        </message>
    </context>
    <context>
        <name>BoardSettingsSheet</name>
        <message>
            <source>棋盘设定      </source>
            <translation>棋盘设定</translation>
        </message>
    </context>
    <context>
        <name>CMainWindow</name>
        <message>
            <source>     你已经正在玩一个游戏了。   离开这个游戏和开始另一个?        </source>
            <translation>你已经正在玩一个游戏了。离开这个游戏并开始另一个吗?</translation>
        </message>
        <message>
            <source>你是否确信你要重新开始这个游戏?            </source>
            <translation>你确定要重新开始这个游戏吗?</translation>
        </message>
        <message>
            <source>你已经正在玩游戏。 离开这场游戏和打开另一个?                    </source>
            <translation>你已经正在玩游戏。离开这场游戏并打开另一个吗?</translation>
        </message>
        <message>
            <source>游戏在进行...      </source>
            <translation>游戏在进行...</translation>
        </message>
        <message>
            <source>是否你想要玩另一个游戏?             </source>
            <translation>你想再玩一个游戏吗?</translation>
        </message>
        <message>
            <source>新的游戏</source>
            <translation>新的游戏</translation>
        </message>
        <message>
            <source>- 游戏暂停中 - </source>
            <translation>- 游戏暂停中 -</translation>
        </message>
        <message>
            <source>  你现在正参与一个游戏，游戏尚未结束  你确定你想要退出吗?           </source>
            <translation>你正在进行一个游戏，游戏尚未结束。你确定要退出吗?</translation>
        </message>
        <message>
            <source>游戏在进行      </source>
            <translation>游戏在进行</translation>
        </message>
        <message>
            <source>The settings could not be saved (%1).</source>
            <translation>无法保存设定(%1)。</translation>
        </message>
    </context>
    <context>
        <name>ComputerName</name>
        <message>
            <source>Novice A.I.</source>
            <translation>电脑(初学)</translation>
        </message>
        <message>
            <source>Average A.I.</source>
            <translation>电脑(普通)</translation>
        </message>
        <message>
            <source>Advanced A.I.</source>
            <translation>电脑(高级)</translation>
        </message>
        <message>
            <source>Expert A.I.</source>
            <translation>电脑(专家)</translation>
        </message>
        <message>
            <source>Master A.I.</source>
            <translation>电脑(大师)</translation>
        </message>
    </context>
    <context>
        <name>DialogButtons</name>
        <message>
            <source>确定</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>FileDialog</name>
        <message>
            <source>Halmora Files (*.hlm)</source>
            <translation>Halmora 游戏文件 (*.hlm)</translation>
        </message>
    </context>
    <context>
        <name>FootButtons</name>
        <message>
            <source>显示游戏信息...  </source>
            <translation>显示游戏信息...</translation>
        </message>
        <message>
            <source>退出游戏</source>
            <translation>退出游戏</translation>
        </message>
    </context>
    <context>
        <name>Game</name>
        <message>
            <source>Yellow</source>
            <translation>黄色</translation>
        </message>
        <message>
            <source>Purple</source>
            <translation>紫色</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>蓝色</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>红色</translation>
        </message>
        <message>
            <source>Orange</source>
            <translation>橙色</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>绿色</translation>
        </message>
        <message>
            <source>不参与游戏 </source>
            <translation>不参与游戏</translation>
        </message>
        <message>
            <source>人类 </source>
            <translation>人类</translation>
        </message>
        <message>
            <source>电脑玩家 初学  </source>
            <translation>电脑玩家 初学</translation>
        </message>
        <message>
            <source>电脑玩家 普通   </source>
            <translation>电脑玩家 普通</translation>
        </message>
        <message>
            <source>电脑玩家 高级    </source>
            <translation>电脑玩家 高级</translation>
        </message>
        <message>
            <source>电脑玩家 专家  </source>
            <translation>电脑玩家 专家</translation>
        </message>
        <message>
            <source>电脑玩家 大师  </source>
            <translation>电脑玩家 大师</translation>
        </message>
        <message>
            <source>Network</source>
            <translation>网络</translation>
        </message>
    </context>
    <context>
        <name>GameInfoPanel</name>
        <message>
            <source>游戏信息 </source>
            <translation>游戏信息</translation>
        </message>
        <message>
            <source>  完成以第%1名.</source>
            <translation>  第 %1 名完成。</translation>
        </message>
        <message>
            <source>  完成以第6th.</source>
            <translation>  第 6 名完成。</translation>
        </message>
        <message>
            <source>   弹珠入樽: [%1/10]</source>
            <translation>   已到达的弹珠: [%1/10]</translation>
        </message>
    </context>
    <context>
        <name>HelpLinks</name>
        <message>
            <source>帮助</source>
            <translation>帮助</translation>
        </message>
        <message>
            <source>游戏文件夹中缺少帮助文件：
%1

重新启动游戏（halmora 或 scripts/play.sh）会补上缺少的文件。</source>
            <translation>游戏文件夹中缺少帮助文件：
%1

重新启动游戏（halmora 或 scripts/play.sh）会补上缺少的文件。</translation>
        </message>
        <message>
            <source>系统无法打开这个地址：
%1

请用网页浏览器打开它。</source>
            <translation>系统无法打开这个地址：
%1

请用网页浏览器打开它。</translation>
        </message>
    </context>
    <context>
        <name>HelpWindow</name>
        <message>
            <source>帮助</source>
            <translation>帮助</translation>
        </message>
        <message>
            <source>后退</source>
            <translation>后退</translation>
        </message>
        <message>
            <source>前进</source>
            <translation>前进</translation>
        </message>
        <message>
            <source>在浏览器中打开</source>
            <translation>在浏览器中打开</translation>
        </message>
    </context>
    <context>
        <name>InterruptedGame</name>
        <message>
            <source>A game was still in progress when the session ended last time, and was kept. Continue it now?

If not, it stays in the game folder as "%1", for Open Game.</source>
            <translation>上次会话结束时还有一个游戏在进行，已被保留。现在继续这个游戏吗?

如果不继续，它将以 "%1" 保存在游戏文件夹中，可以用"打开游戏"打开。</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>游戏(&amp;G)</source>
            <translation>游戏(&amp;G)</translation>
        </message>
        <message>
            <source>新的游戏(&amp;N)...</source>
            <translation>新的游戏(&amp;N)...</translation>
        </message>
        <message>
            <source>重新开始游戏(&amp;R)   </source>
            <translation>重新开始游戏(&amp;R)</translation>
        </message>
        <message>
            <source>暂停游戏      </source>
            <translation>暂停游戏(&amp;P)</translation>
        </message>
        <message>
            <source>继续游戏(&amp;C)      </source>
            <translation>继续游戏(&amp;C)</translation>
        </message>
        <message>
            <source>打开游戏...     </source>
            <translation>打开游戏(&amp;O)...</translation>
        </message>
        <message>
            <source>保存游戏(&amp;S)...  </source>
            <translation>保存游戏(&amp;S)...</translation>
        </message>
        <message>
            <source>退出(&amp;E)</source>
            <translation>退出(&amp;E)</translation>
        </message>
        <message>
            <source>选项(&amp;O)  </source>
            <translation>选项(&amp;O)</translation>
        </message>
        <message>
            <source>取消移动(&amp;U)  </source>
            <translation>取消移动(&amp;U)</translation>
        </message>
        <message>
            <source>重做移动(&amp;R)  </source>
            <translation>重做移动(&amp;R)</translation>
        </message>
        <message>
            <source>建议移动(&amp;S)     </source>
            <translation>建议移动(&amp;S)</translation>
        </message>
        <message>
            <source>强制移动(&amp;F)   </source>
            <translation>强制移动(&amp;F)</translation>
        </message>
        <message>
            <source>转动棋盘向左           </source>
            <translation>转动棋盘向左</translation>
        </message>
        <message>
            <source>转动棋盘向右            </source>
            <translation>转动棋盘向右</translation>
        </message>
        <message>
            <source>查看统计(&amp;V)...        </source>
            <translation>查看统计(&amp;V)...</translation>
        </message>
        <message>
            <source>棋盘设定(&amp;B)...       </source>
            <translation>棋盘设定(&amp;B)...</translation>
        </message>
        <message>
            <source>声音设定...          </source>
            <translation>声音设定(&amp;D)...</translation>
        </message>
        <message>
            <source>选取壁纸(&amp;P)...       </source>
            <translation>选取壁纸(&amp;P)...</translation>
        </message>
        <message>
            <source>键盘快捷键(&amp;K)</source>
            <translation>键盘快捷键(&amp;K)</translation>
        </message>
        <message>
            <source>原样的文字(中文和英文)</source>
            <translation>原样的文字(中文和英文)</translation>
        </message>
        <message>
            <source>互联网(&amp;I)  </source>
            <translation>互联网(&amp;I)</translation>
        </message>
        <message>
            <source>在线支持          </source>
            <translation>在线支持</translation>
        </message>
        <message>
            <source>访问网站(&amp;V)      </source>
            <translation>访问网站(&amp;V)</translation>
        </message>
        <message>
            <source>帮助(&amp;H)</source>
            <translation>帮助(&amp;H)</translation>
        </message>
        <message>
            <source>帮助(&amp;H)..</source>
            <translation>帮助(&amp;H)...</translation>
        </message>
        <message>
            <source>如何玩游戏...      </source>
            <translation>如何玩游戏...</translation>
        </message>
        <message>
            <source>游戏历史(&amp;G)...     </source>
            <translation>游戏历史(&amp;G)...</translation>
        </message>
        <message>
            <source>关於(&amp;A)...</source>
            <translation>关于(&amp;A)...</translation>
        </message>
    </context>
    <context>
        <name>Messages</name>
        <message>
            <source>About the statistics file:</source>
            <translation>关于统计文件:</translation>
        </message>
        <message>
            <source>The game could not be opened.</source>
            <translation>无法打开这个游戏。</translation>
        </message>
        <message>
            <source>The game could not be saved.</source>
            <translation>无法保存这个游戏。</translation>
        </message>
        <message>
            <source>A damaged data file was found and kept aside.</source>
            <translation>发现一个损坏的数据文件，已把它另外保存。</translation>
        </message>
    </context>
    <context>
        <name>MouseInputPage</name>
        <message>
            <source>"拖曳和落下" 弹珠移动</source>
            <translation>"拖曳和落下"弹珠移动</translation>
        </message>
        <message>
            <source>" 连接迹点 " 弹珠移动 (单击设定每步移动,用双击执行完全的动作。)</source>
            <translation>"连接迹点"弹珠移动 (单击设定每一步，双击执行整个移动。)</translation>
        </message>
        <message>
            <source>当鼠标在弹珠之上悬停时，显示所有的可能动作。</source>
            <translation>当鼠标在弹珠之上悬停时，显示所有的可能动作。</translation>
        </message>
        <message>
            <source>弹珠移动</source>
            <translation>弹珠移动</translation>
        </message>
        <message>
            <source>鼠标输入 </source>
            <translation>鼠标输入</translation>
        </message>
    </context>
    <context>
        <name>NewGameSheet</name>
        <message>
            <source>不能开始游戏    </source>
            <translation>不能开始游戏</translation>
        </message>
        <message>
            <source>          你无法开始一个游戏以没有玩家.   这里必须是2, 3, 4, 或6 个玩家      .</source>
            <translation>你不能在没有玩家的情况下开始游戏。必须有 2、3、4 或 6 个玩家。</translation>
        </message>
        <message>
            <source>             你无法开始一个游戏以唯一的玩家.   这里必须是2, 3, 4, 或6 个玩家      .</source>
            <translation>你不能只用一个玩家开始游戏。必须有 2、3、4 或 6 个玩家。</translation>
        </message>
        <message>
            <source>         你无法开始一个游戏以5 个玩家.   这里必须是2, 3, 4, 或6 个玩家      .</source>
            <translation>你不能用 5 个玩家开始游戏。必须有 2、3、4 或 6 个玩家。</translation>
        </message>
        <message>
            <source>新的游戏</source>
            <translation>新的游戏</translation>
        </message>
        <message>
            <source>玩家设置 </source>
            <translation>玩家设置</translation>
        </message>
        <message>
            <source>计时器设置 </source>
            <translation>计时器设置</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>PlayerNameDialog</name>
        <message>
            <source>请进入一个新的玩家名字指定控制那当前颜色棋子。</source>
            <translation>请输入控制当前颜色棋子的新玩家的名字。</translation>
        </message>
        <message>
            <source> 请为这个玩家输入一个名字          .</source>
            <translation>请为这个玩家输入一个名字。</translation>
        </message>
        <message>
            <source>玩家名字   </source>
            <translation>玩家名字</translation>
        </message>
        <message>
            <source> 输入当前玩家的名字   </source>
            <translation>输入当前玩家的名字</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>PlayerPickerDialog</name>
        <message>
            <source>请选择一个玩家名字指定控制当前颜色棋子, 或按下 </source>
            <translation>请选择控制当前颜色棋子的玩家名字，或按下 </translation>
        </message>
        <message>
            <source> 新的玩家 </source>
            <translation> 新的玩家 </translation>
        </message>
        <message>
            <source> 输入一个新的玩家名字。</source>
            <translation> 输入一个新的玩家名字。</translation>
        </message>
        <message>
            <source>    请创建一个新的玩家或者选择一个现有的玩家            </source>
            <translation>请创建一个新的玩家或者选择一个现有的玩家。</translation>
        </message>
        <message>
            <source>玩家名字   </source>
            <translation>玩家名字</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>新的玩家</source>
            <translation>新的玩家</translation>
        </message>
        <message>
            <source>当前玩家的名字  </source>
            <translation>当前玩家的名字</translation>
        </message>
    </context>
    <context>
        <name>PlayerSetupPage</name>
        <message>
            <source>红色:</source>
            <translation>红色:</translation>
        </message>
        <message>
            <source>橙色:</source>
            <translation>橙色:</translation>
        </message>
        <message>
            <source>绿色:</source>
            <translation>绿色:</translation>
        </message>
        <message>
            <source>黄色:</source>
            <translation>黄色:</translation>
        </message>
        <message>
            <source>紫色:</source>
            <translation>紫色:</translation>
        </message>
        <message>
            <source>蓝色:</source>
            <translation>蓝色:</translation>
        </message>
        <message>
            <source>自定义游戏 </source>
            <translation>自定义游戏</translation>
        </message>
        <message>
            <source>一个人类玩家对一个电脑玩家(初)</source>
            <translation>一个人类玩家对一个电脑玩家(初学)</translation>
        </message>
        <message>
            <source>一个人类玩家对两个电脑玩家(初)</source>
            <translation>一个人类玩家对两个电脑玩家(初学)</translation>
        </message>
        <message>
            <source>一个人类玩家对三个电脑玩家(初)</source>
            <translation>一个人类玩家对三个电脑玩家(初学)</translation>
        </message>
        <message>
            <source>一个人类玩家对五个电脑玩家(初)</source>
            <translation>一个人类玩家对五个电脑玩家(初学)</translation>
        </message>
        <message>
            <source>一个人类玩家对一个电脑玩家(高级)</source>
            <translation>一个人类玩家对一个电脑玩家(高级)</translation>
        </message>
        <message>
            <source>一个人类玩家对两个电脑玩家(高级)</source>
            <translation>一个人类玩家对两个电脑玩家(高级)</translation>
        </message>
        <message>
            <source>一个人类玩家对三个电脑玩家(高级)</source>
            <translation>一个人类玩家对三个电脑玩家(高级)</translation>
        </message>
        <message>
            <source>一个人类玩家对五个电脑玩家(高级)</source>
            <translation>一个人类玩家对五个电脑玩家(高级)</translation>
        </message>
        <message>
            <source>快速游戏设置:</source>
            <translation>快速游戏设置:</translation>
        </message>
        <message>
            <source>玩家类型:</source>
            <translation>玩家类型:</translation>
        </message>
        <message>
            <source>* 玩家将会被要求在游戏启动时输入他们的名字。</source>
            <translation>* 游戏开始时将要求玩家输入他们的名字。</translation>
        </message>
    </context>
    <context>
        <name>SoundDialog</name>
        <message>
            <source>消除全部游戏声音</source>
            <translation>消除全部游戏声音</translation>
        </message>
        <message>
            <source>声音设定 </source>
            <translation>声音设定</translation>
        </message>
    </context>
    <context>
        <name>SplashWindow</name>
        <message>
            <source>2005 Edition</source>
            <translation>2005 版</translation>
        </message>
        <message>
            <source>Version </source>
            <translation>版本 </translation>
        </message>
    </context>
    <context>
        <name>StartupScreen</name>
        <message>
            <source>开始一个新的游戏</source>
            <translation>开始一个新的游戏</translation>
        </message>
        <message>
            <source>启动这新的游戏配置窗口。         </source>
            <translation>打开新游戏的设置窗口。</translation>
        </message>
        <message>
            <source>继续一个保存的游戏 </source>
            <translation>继续一个保存的游戏</translation>
        </message>
        <message>
            <source>从一个*.hlm 文件继续先前保存的游戏。             </source>
            <translation>从一个 *.hlm 文件继续先前保存的游戏。</translation>
        </message>
        <message>
            <source>查看统计信息   </source>
            <translation>查看统计信息</translation>
        </message>
        <message>
            <source>详细查看你最近的游戏统计信息。                 </source>
            <translation>详细查看你最近的游戏统计信息。</translation>
        </message>
        <message>
            <source>更改我的精美壁纸图片 </source>
            <translation>更改壁纸图片</translation>
        </message>
        <message>
            <source>改变这背景壁纸到另一个图像或颜色。                        </source>
            <translation>把背景壁纸换成另一张图片或一种颜色。</translation>
        </message>
        <message>
            <source>检查游戏更新内容 </source>
            <translation>检查游戏更新内容</translation>
        </message>
        <message>
            <source>在线检查新的游戏升级，请确定你首先被连接到英特网。                                           </source>
            <translation>检查游戏的新版本。</translation>
        </message>
        <message>
            <source>Version </source>
            <translation>版本 </translation>
        </message>
    </context>
    <context>
        <name>StatsWindow</name>
        <message>
            <source>Player Statistics</source>
            <translation>玩家统计</translation>
        </message>
        <message>
            <source>Player Record Not Deleted</source>
            <translation>玩家记录未删除</translation>
        </message>
        <message>
            <source>游戏统计 </source>
            <translation>游戏统计</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>删除玩家</source>
            <translation>删除玩家</translation>
        </message>
        <message>
            <source>请选择你的名字:</source>
            <translation>请选择你的名字:</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>日期</translation>
        </message>
        <message>
            <source>Opponents</source>
            <translation>对手数</translation>
        </message>
        <message>
            <source>Rating</source>
            <translation>等级分</translation>
        </message>
        <message>
            <source>Result</source>
            <translation>结果</translation>
        </message>
        <message>
            <source>The statistics file could not be read completely (%1). Only what could be read is shown.</source>
            <translation>统计文件没能完整读取(%1)。只显示能读取的部分。</translation>
        </message>
        <message>
            <source>Current Rating: %1</source>
            <translation>当前等级分: %1</translation>
        </message>
        <message>
            <source>Games Played: %1</source>
            <translation>玩过的游戏: %1</translation>
        </message>
        <message>
            <source>Games Won: %1 (%2%)</source>
            <translation>赢的游戏: %1 (%2%)</translation>
        </message>
        <message>
            <source>Games Lost: %1 (%2%)</source>
            <translation>输的游戏: %1 (%2%)</translation>
        </message>
        <message>
            <source>Are you sure you want to delete all the game records for %1?</source>
            <translation>你确定要删除 %1 的全部游戏记录吗?</translation>
        </message>
        <message>
            <source>Confirm Player Record Deletion</source>
            <translation>确认删除玩家记录</translation>
        </message>
        <message>
            <source>Could not delete record: the statistics file could not be read completely (%1), so it is left as it is.</source>
            <translation>无法删除记录：统计文件没能完整读取(%1)，所以保持原样。</translation>
        </message>
        <message>
            <source>Could not delete record.</source>
            <translation>无法删除记录。</translation>
        </message>
        <message>
            <source>Could not delete record: the statistics file could not be written (%1).</source>
            <translation>无法删除记录：统计文件无法写入(%1)。</translation>
        </message>
        <message>
            <source>Record has been deleted.</source>
            <translation>记录已删除。</translation>
        </message>
        <message>
            <source>Player Record Deleted</source>
            <translation>玩家记录已删除</translation>
        </message>
        <message>
            <source>Win</source>
            <translation>赢</translation>
        </message>
        <message>
            <source>Loss</source>
            <translation>输</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>上午</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>下午</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>游戏退出.     </source>
            <translation>游戏结束。</translation>
        </message>
        <message>
            <source>2nd</source>
            <translation>第二名</translation>
        </message>
        <message>
            <source>3rd</source>
            <translation>第三名</translation>
        </message>
        <message>
            <source>4th</source>
            <translation>第四名</translation>
        </message>
        <message>
            <source>5th</source>
            <translation>第五名</translation>
        </message>
        <message>
            <source>6th</source>
            <translation>第六名</translation>
        </message>
        <message>
            <source>Game Time </source>
            <translation>游戏时间 </translation>
        </message>
        <message>
            <source>Turns Played: %1</source>
            <translation>已玩回合: %1</translation>
        </message>
        <message>
            <source>(%1) %2's turn</source>
            <translation>(%1) %2 的回合</translation>
        </message>
        <message>
            <source> - Time Remaining </source>
            <translation> - 剩余时间 </translation>
        </message>
        <message>
            <source>%1 wins</source>
            <translation>%1 获胜</translation>
        </message>
    </context>
    <context>
        <name>Surface</name>
        <message>
            <source> could not be loaded!</source>
            <translation> 无法载入!</translation>
        </message>
        <message>
            <source> could not be loaded! (CTransparentSurface)</source>
            <translation> 无法载入! (CTransparentSurface)</translation>
        </message>
        <message>
            <source> image and mask not the same size! (CTransparentSurface)</source>
            <translation> 图片和遮罩大小不同! (CTransparentSurface)</translation>
        </message>
    </context>
    <context>
        <name>TimerPage</name>
        <message>
            <source>Please give each time as a whole number, in digits only.</source>
            <translation>请把每个时间写成整数，只用数字。</translation>
        </message>
        <message>
            <source>With the timer on, the starting time and the time added per move cannot both be 0.</source>
            <translation>使用计时器时，最初的时间和每步附加的时间不能都是 0。</translation>
        </message>
        <message>
            <source>使用计时器</source>
            <translation>使用计时器</translation>
        </message>
        <message>
            <source>分</source>
            <translation>分</translation>
        </message>
        <message>
            <source>秒</source>
            <translation>秒</translation>
        </message>
        <message>
            <source>最初的时间:</source>
            <translation>最初的时间:</translation>
        </message>
        <message>
            <source>每步移动附加的时间:</source>
            <translation>每步移动附加的时间:</translation>
        </message>
    </context>
    <context>
        <name>ToolBar</name>
        <message>
            <source>New</source>
            <translation>新游戏</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>重新开始</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>撤销</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>重做</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>提示</translation>
        </message>
        <message>
            <source>强制 </source>
            <translation>强制</translation>
        </message>
        <message>
            <source>统计 </source>
            <translation>统计</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>帮助</translation>
        </message>
    </context>
    <context>
        <name>View</name>
        <message>
            <source>Halmora 汉化版    </source>
            <translation>Halmora 中国跳棋</translation>
        </message>
    </context>
    <context>
        <name>WallpaperDialog</name>
        <message>
            <source>拉伸位图以适合窗口</source>
            <translation>拉伸位图以适合窗口</translation>
        </message>
        <message>
            <source>选取壁纸 </source>
            <translation>选取壁纸</translation>
        </message>
        <message>
            <source>壁纸预览</source>
            <translation>壁纸预览</translation>
        </message>
        <message>
            <source>载入位图文件...</source>
            <translation>载入位图文件...</translation>
        </message>
        <message>
            <source>改变颜色成</source>
            <translation>改用颜色...</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>The path of this file is too long for a wallpaper.</source>
            <translation>这个文件的路径太长，不能用作壁纸。</translation>
        </message>
    </context>
</TS>
